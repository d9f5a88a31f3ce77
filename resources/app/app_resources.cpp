#include "resources/app/app_resources.h"

namespace app::res {

QStringList IconSizes()
{
    return {QStringLiteral(":/app/icon16.png"), QStringLiteral(":/app/icon32.png"), QStringLiteral(":/app/icon48.png"),
        QStringLiteral(":/app/icon64.png"), QStringLiteral(":/app/icon256.png")};
}

} // namespace app::res
