#pragma once
#include "ConsoleNumbers.h"

#include <QGroupBox>

class QLineEdit;

// The console's calculator: one number in decimal, binary and hexadecimal;
// editing any row recomputes the other two.
class TConsoleCalculator : public QGroupBox
{
    Q_OBJECT
public:
    explicit TConsoleCalculator(QWidget *parent = nullptr);

    void SetValue(quint32 value);
    QLineEdit *Row(ConsoleNumbers::TRow row) const { return m_rows[row]; }

private:
    void Show(const ConsoleNumbers::TRows &rows, ConsoleNumbers::TRow edited);
    void Edited(ConsoleNumbers::TRow row);

    QLineEdit *m_rows[3] = {};
};
