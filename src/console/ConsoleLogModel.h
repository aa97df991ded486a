#pragma once
#include <QAbstractTableModel>
#include <QHash>
#include <QString>
#include <QVector>
#include <deque>

// The service console's log of received lines: the line, its mnemonic and
// its value in decimal, binary and hexadecimal, always followed by one empty
// row for the next. It keeps the latest rows up to a limit, so a console
// left open for days does not exhaust the computer's memory.
class TConsoleLogModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum TColumn { ReceivedColumn, MnemonicColumn, DecimalColumn, BinaryColumn, HexadecimalColumn, ColumnCount };
    static constexpr int DefaultMaxRows = 100000;

    struct TEntry
    {
        QString Line;
        QString Mnemonic;
        quint32 Value;
    };

    explicit TConsoleLogModel(int maxRows = DefaultMaxRows, QObject *parent = nullptr);

    // Several rows at once: a view follows a batch far more cheaply than as
    // many single rows.
    void Append(const QVector<TEntry> &entries);
    void Clear();

    // Logged rows, the empty last row not counted.
    int LoggedRows() const { return int(m_rows.size()); }
    QString Text(int row, TColumn column) const;
    QString Mnemonic(int row) const { return Text(row, MnemonicColumn); }
    quint32 Value(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    // One shared copy of each mnemonic: a day of replies holds a few hundred.
    QString Interned(const QString &mnemonic);

    std::deque<TEntry> m_rows;
    QHash<QString, QString> m_mnemonics;
    int m_maxRows;
};
