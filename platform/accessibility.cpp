#include "platform/accessibility.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <limits>

namespace platform {
namespace {

bool NeedsCaption(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QTextEdit *>(w)
        || qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QCheckBox *>(w)
        || qobject_cast<const QAbstractItemView *>(w);
}

bool Overlaps(int top1, int bottom1, int top2, int bottom2)
{
    return top1 <= bottom2 && top2 <= bottom1;
}

} // namespace

QString SpokenCaption(const QString &caption)
{
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&&" is a literal ampersand, a single one marks the access key.
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                spoken += caption[++i];
            continue;
        }
        spoken += caption[i];
    }
    return spoken.simplified();
}

QLabel *CaptionLabelFor(const QWidget *control)
{
    const QWidget *parent = control->parentWidget();
    if (!parent)
        return nullptr;
    const QList<QLabel *> labels = parent->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    for (QLabel *label : labels)
        if (label->buddy() == control && !SpokenCaption(label->text()).isEmpty())
            return label;
    // The nearest captioned label ending left of the control on its row.
    const QRect box = control->geometry();
    QLabel *best = nullptr;
    int bestGap = std::numeric_limits<int>::max();
    for (QLabel *label : labels) {
        const QRect caption = label->geometry();
        if (SpokenCaption(label->text()).isEmpty() || caption.left() >= box.left()
            || !Overlaps(caption.top(), caption.bottom(), box.top(), box.bottom()))
            continue;
        const int gap = box.left() - caption.right();
        if (gap < bestGap) {
            bestGap = gap;
            best = label;
        }
    }
    return best;
}

void NameControlsForAccessibility(QWidget *window)
{
    if (!window)
        return;
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!NeedsCaption(w) || !w->accessibleName().isEmpty())
            continue;
        if (const QLabel *label = CaptionLabelFor(w)) {
            w->setAccessibleName(SpokenCaption(label->text()));
        } else if (const auto *frame = qobject_cast<const QGroupBox *>(w->parentWidget())) {
            const QString caption = SpokenCaption(frame->title());
            if (!caption.isEmpty())
                w->setAccessibleName(caption);
        }
    }
}

} // namespace platform
