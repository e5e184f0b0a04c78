#include "sheet/SheetFonts.h"

#include <QFont>

using namespace Qt::StringLiterals;

namespace SheetFonts {

void installSubstitutions()
{
    QFont::insertSubstitution(u"宋体"_s, u"AR PL SungtiL GB"_s);
    QFont::insertSubstitution(u"楷体_GB2312"_s, u"AR PL KaitiM GB"_s);
    QFont::insertSubstitution(u"楷体"_s, u"AR PL KaitiM GB"_s);
}

} // namespace SheetFonts
