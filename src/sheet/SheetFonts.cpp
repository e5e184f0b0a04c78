#include "sheet/SheetFonts.h"

#include <QFont>
#include <QFontDatabase>

using namespace Qt::StringLiterals;

namespace SheetFonts {

namespace {

const QString Sungti = u"AR PL SungtiL GB"_s;
const QString Kaiti = u"AR PL KaitiM GB"_s;

} // namespace

void installSubstitutions()
{
    QFont::insertSubstitution(u"宋体"_s, Sungti);
    QFont::insertSubstitution(u"楷体_GB2312"_s, Kaiti);
    QFont::insertSubstitution(u"楷体"_s, Kaiti);
}

QStringList missingFamilies()
{
    const QStringList installed = QFontDatabase::families();
    QStringList missing;
    for (const QString& family : {Sungti, Kaiti}) {
        if (!installed.contains(family, Qt::CaseInsensitive))
            missing.append(family);
    }
    return missing;
}

QString missingFontsWarning()
{
    const QStringList missing = missingFamilies();
    if (missing.isEmpty())
        return {};
    return u"打印用的字体没有安装：%1。表格和报表将以其他字体打印；请安装 fonts-arphic-gbsn00lp 和 "
           "fonts-arphic-gkai00mp（scripts/setup）。"_s.arg(missing.join(u"、"_s));
}

} // namespace SheetFonts
