#include "ConsoleLogModel.h"
#include "ConsoleNumbers.h"

TConsoleLogModel::TConsoleLogModel(int maxRows, QObject *parent)
    : QAbstractTableModel(parent), m_maxRows(qMax(1, maxRows))
{
}

QString TConsoleLogModel::Interned(const QString &mnemonic)
{
    const auto found = m_mnemonics.constFind(mnemonic);
    if (found != m_mnemonics.constEnd())
        return *found;
    // Any text may arrive as a mnemonic: past a bound, stop sharing.
    if (m_mnemonics.size() < 4096)
        m_mnemonics.insert(mnemonic, mnemonic);
    return mnemonic;
}

void TConsoleLogModel::Append(const QVector<TEntry> &entries)
{
    // Of a batch larger than the log, only its end is kept.
    const int kept = qMin(int(entries.size()), m_maxRows);
    if (kept == 0)
        return;
    const int excess = int(m_rows.size()) + kept - m_maxRows;
    if (excess > 0) {
        beginRemoveRows(QModelIndex(), 0, excess - 1);
        m_rows.erase(m_rows.begin(), m_rows.begin() + excess);
        endRemoveRows();
    }
    // The new rows go in just above the empty last row.
    const int first = int(m_rows.size());
    beginInsertRows(QModelIndex(), first, first + kept - 1);
    for (qsizetype i = entries.size() - kept; i < entries.size(); ++i)
        m_rows.push_back(TEntry{entries[i].Line, Interned(entries[i].Mnemonic), entries[i].Value});
    endInsertRows();
}

void TConsoleLogModel::Clear()
{
    beginResetModel();
    m_rows.clear();
    m_mnemonics.clear();
    endResetModel();
}

QString TConsoleLogModel::Text(int row, TColumn column) const
{
    if (row < 0 || row >= int(m_rows.size()))
        return QString();
    const TEntry &entry = m_rows[size_t(row)];
    switch (column) {
    case ReceivedColumn: return entry.Line;
    case MnemonicColumn: return entry.Mnemonic;
    case DecimalColumn: return ConsoleNumbers::Decimal(entry.Value);
    case BinaryColumn: return ConsoleNumbers::Binary(entry.Value);
    case HexadecimalColumn: return ConsoleNumbers::Hexadecimal(entry.Value);
    case ColumnCount: break;
    }
    return QString();
}

quint32 TConsoleLogModel::Value(int row) const
{
    return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)].Value : 0;
}

int TConsoleLogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size()) + 1;
}

int TConsoleLogModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TConsoleLogModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return QVariant();
    return Text(index.row(), TColumn(index.column()));
}

QVariant TConsoleLogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    static const char *const headings[ColumnCount] = {"Received", "Variables", "Déc", "Bin", "Hex"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(headings[section]) : QVariant();
}
