#include "records/TextRowsModel.h"

#include <numeric>

using namespace Qt::StringLiterals;

TextRowsModel::TextRowsModel(QObject* parent)
    : QAbstractTableModel(parent)
{ }

void TextRowsModel::setTitles(const QStringList& titles)
{
    beginResetModel();
    m_titles = titles;
    m_keys.clear();
    endResetModel();
}

void TextRowsModel::setTitle(int column, const QString& title)
{
    if (column < 0 || column >= m_titles.size())
        return;
    m_titles[column] = title;
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
}

void TextRowsModel::setAlignment(int column, Qt::Alignment alignment)
{
    if (column < 0)
        return;
    if (m_alignments.size() <= column)
        m_alignments.resize(column + 1, Qt::AlignLeft | Qt::AlignVCenter);
    m_alignments[column] = alignment;
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
    if (!m_shown.isEmpty())
        Q_EMIT dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::TextAlignmentRole});
}

void TextRowsModel::setRows(const QList<QStringList>& rows)
{
    // Rows out and rows in rather than a reset: a view keeps its columns' widths and hidden columns.
    if (!m_shown.isEmpty()) {
        beginRemoveRows({}, 0, static_cast<int>(m_shown.size()) - 1);
        m_shown.clear();
        m_rows.clear();
        endRemoveRows();
    }
    m_keys.clear();
    m_marked.clear();
    if (rows.isEmpty())
        return;
    beginInsertRows({}, 0, static_cast<int>(rows.size()) - 1);
    m_rows = rows;
    m_shown.resize(rows.size());
    std::iota(m_shown.begin(), m_shown.end(), 0);
    endInsertRows();
}

void TextRowsModel::setMarkedRows(
    const QList<bool>& marked, const QBrush& text, const QBrush& background, int tipColumn)
{
    m_marked = marked;
    m_markText = text;
    m_markBackground = background;
    m_tipColumn = tipColumn;
    if (!m_shown.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
            {Qt::ForegroundRole, Qt::BackgroundRole, Qt::ToolTipRole});
}

void TextRowsModel::sort(int column, SortAs sortAs, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount())
        return;
    if (m_keys.size() < static_cast<size_t>(columnCount()))
        m_keys.resize(static_cast<size_t>(columnCount()));
    auto& keys = m_keys[static_cast<size_t>(column)];
    if (!keys) {
        QStringList texts;
        texts.reserve(m_rows.size());
        for (int i = 0; i < m_rows.size(); ++i)
            texts << loadedText(i, column);
        keys = std::make_unique<ReportSort::Keys>(texts, sortAs);
    }
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<int> sorted = m_shown;
    keys->sort(sorted, order);
    // Selections and the current row follow their rows to where the sort put them.
    if (!before.isEmpty()) {
        QList<int> rowOfPosition(m_rows.size());
        for (int i = 0; i < sorted.size(); ++i)
            rowOfPosition[sorted[i]] = i;
        QModelIndexList after;
        after.reserve(before.size());
        for (const QModelIndex& index : before)
            after << this->index(rowOfPosition[m_shown[index.row()]], index.column());
        changePersistentIndexList(before, after);
    }
    m_shown = std::move(sorted);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void TextRowsModel::removeShownRow(int row)
{
    if (row < 0 || row >= m_shown.size())
        return;
    // The row's texts stay behind its load position, so kept sort keys still match.
    beginRemoveRows({}, row, row);
    m_shown.removeAt(row);
    endRemoveRows();
}

QString TextRowsModel::loadedText(int position, int column) const
{
    if (column < m_offset)
        return u"0"_s;
    return m_rows[position].value(column - m_offset);
}

QString TextRowsModel::text(int row, int column) const
{
    return row >= 0 && row < m_shown.size() ? loadedText(m_shown[row], column) : QString();
}

int TextRowsModel::rowOf(int column, const QString& text) const
{
    for (int row = 0; row < m_shown.size(); ++row) {
        if (loadedText(m_shown[row], column) == text)
            return row;
    }
    return -1;
}

int TextRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int TextRowsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_titles.size());
}

QVariant TextRowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_shown.size())
        return {};
    const int position = m_shown[index.row()];
    const bool marked = m_marked.value(position);
    switch (role) {
    case Qt::DisplayRole:
        return loadedText(position, index.column());
    case Qt::ForegroundRole:
        return marked ? QVariant(m_markText) : QVariant();
    case Qt::BackgroundRole:
        return marked ? QVariant(m_markBackground) : QVariant();
    case Qt::ToolTipRole:
        return marked ? QVariant(loadedText(position, m_tipColumn)) : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() < m_alignments.size() ? QVariant(m_alignments[index.column()]) : QVariant();
    case Qt::DecorationRole:
        return m_icon.isNull() ? QVariant() : QVariant(m_icon);
    case LoadPositionRole:
        return index.column() == 0 ? QVariant(position) : QVariant();
    default:
        return {};
    }
}

QVariant TextRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_titles.value(section);
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole && section < m_alignments.size())
        return QVariant(m_alignments[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}
