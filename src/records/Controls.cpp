#include "records/Controls.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace Controls {

QPushButton* linkButton(const QString& name, const QString& caption)
{
    auto* b = named(new QPushButton(caption), name);
    b->setFlat(true);
    b->setAutoDefault(false);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(u"QPushButton { color: #1a5fb4; border: none; padding: 2px 4px; text-decoration: underline; }"_s);
    return b;
}

} // namespace Controls
