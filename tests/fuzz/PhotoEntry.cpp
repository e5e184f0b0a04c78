#include "FuzzEntries.h"

#include "records/RecordPhoto.h"

using namespace Qt::StringLiterals;

// A photo's bytes: what is stored is a picture within the size limit, and only pictures are stored.
QString FuzzEntries::photo(QByteArrayView bytes)
{
    const QByteArray chosen = bytes.toByteArray();
    const bool picture = RecordPhoto::isPicture(chosen);
    if (picture == RecordPhoto::decode(chosen).isNull())
        return u"isPicture disagrees with decode"_s;
    if (RecordPhoto::decodeToFit(chosen, QSize(138, 186)).isNull() == picture)
        return u"decodeToFit and decode disagree"_s;
    const std::optional<QByteArray> stored = RecordPhoto::forStorage(chosen);
    if (stored.has_value() != picture)
        return u"forStorage and isPicture disagree"_s;
    if (stored && (stored->size() > RecordPhoto::MaxStoredBytes || !RecordPhoto::isPicture(*stored)))
        return u"a stored photo over the limit or not a picture"_s;
    return {};
}
