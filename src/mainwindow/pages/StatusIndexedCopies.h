#pragma once
// The device reports an array variable one element at a time and names the
// element with a status index variable: "Ip3" then "IT2" is input 3's type.
// The driver itself files an array value under its own copy of the setting
// index, so the pages keep the copies they show here, filed under the status
// index. One object per status index: IPCHANSTATUS (the inputs),
// APCHANSTATUS (the audio sources) and ZMINDEXSTATUS (the zoom slots); it
// covers every array variable of the table that the status index names.
//
// The main window builds these before any page, so their handlers run before
// every page handler of the same report, and a page reads the copy that the
// report it is handling has just filed.
#include <QObject>
#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

class TComDriver;
class TMorlixVariables;

class TStatusIndexedCopies : public QObject
{
    Q_OBJECT
public:
    // Cells 0 to 255 of every variable; indexes outside are never reported.
    static constexpr int CellCount = 256;

    TStatusIndexedCopies(TComDriver &driver, TMorlixVariables &changes, int statusIndexVar,
                         QObject *parent = nullptr);

    int StatusIndexVar() const { return m_statusIndexVar; }
    // Whether the variable is an array filed under this status index.
    bool Holds(int varNumber) const;
    const std::vector<int> &Variables() const { return m_variables; }

    // The last value the device reported for that cell, 0 before any report.
    uint16_t Value(int varNumber, int index) const;
    // Whether the device ever reported that cell. A write or a sequence that
    // would send a cell never reported refuses instead.
    bool Reported(int varNumber, int index) const;
    // The index the latest report named (the status index variable's value).
    int CurrentIndex() const;

signals:
    // After a cell was filed, before the pages' handlers of the same report.
    void Filed(int varNumber, int index);

private:
    struct TCells
    {
        std::array<uint16_t, CellCount> Values{};
        std::bitset<CellCount> Reported;
    };
    void File(int varNumber);
    TCells *CellsOf(int varNumber);
    const TCells *CellsOf(int varNumber) const;

    TComDriver &m_driver;
    int m_statusIndexVar;
    std::vector<int> m_variables;
    std::vector<TCells> m_cells;
    // The value of the reply being handled, as received: the driver refuses
    // a value outside the variable's range but still announces it, and the
    // stale cached value must then not be filed under the reported index.
    int m_receivedVar = -1;
    uint16_t m_receivedValue = 0;
};
