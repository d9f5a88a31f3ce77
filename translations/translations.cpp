// The compiled translations live in this library's resources (:/i18n).
