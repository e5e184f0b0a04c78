#include "exchange/XlsxLibrary.h"

#include <QStringList>

#include <dlfcn.h>

using namespace Qt::StringLiterals;

namespace {

struct Loaded
{
    XlsxLibrary library;
    QString error;
};

Loaded load()
{
    Loaded loaded;
    // RTLD_DEEPBIND: the library and the zip library it needs resolve their names among
    // themselves before anything loaded already.
    void* handle = dlopen(XIAOWU_XLSXWRITER_SONAME, RTLD_NOW | RTLD_LOCAL | RTLD_DEEPBIND);
    if (!handle) {
        loaded.error = u"无法载入Excel工作簿程序库（%1）。"_s.arg(QString::fromLocal8Bit(dlerror()));
        return loaded;
    }
    XlsxLibrary& l = loaded.library;
    QStringList missing;
#define XIAOWU_XLSX_RESOLVE(name)                                                                                      \
    l.name = reinterpret_cast<decltype(l.name)>(dlsym(handle, #name));                                                 \
    if (!l.name)                                                                                                       \
        missing << QStringLiteral(#name);
    XIAOWU_XLSX_FUNCTIONS(XIAOWU_XLSX_RESOLVE)
#undef XIAOWU_XLSX_RESOLVE
    if (!missing.isEmpty())
        loaded.error = u"Excel工作簿程序库缺少函数：%1"_s.arg(missing.join(u", "_s));
    return loaded;
}

} // namespace

const XlsxLibrary* XlsxLibrary::get(QString* error)
{
    static const Loaded loaded = load();
    if (loaded.error.isEmpty())
        return &loaded.library;
    if (error)
        *error = loaded.error;
    return nullptr;
}
