#pragma once
#include "ComError.h"
#include "TerminatedText.h"

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QStringList>
#include <functional>

enum TParity { ptNONE, ptODD, ptEVEN, ptMARK, ptSPACE };
enum TStopBit { sbONE, sbONE5, snTWO };
enum TReceiveMode { rmRAW, rmTERM };

// One RS-232 port, opened exclusively by its device path ("/dev/ttyUSB0", a
// pseudo-terminal...). Received bytes arrive through the port's notifier on
// the thread that owns this object and go to ReceiveCallBack: unchanged in
// rmRAW, cut after the terminator in rmTERM. Line options are always raw
// binary without flow control.
//
// A port that goes away while open (a USB adapter unplugged, the far end of a
// pseudo-terminal closed) is closed by the port itself: OnPortClose, then
// OnPortLost. Reopening it is the owner's decision.
class TComPort2 : public QObject
{
    Q_OBJECT
public:
    using TReceiveProc = std::function<void(const QByteArray &data)>;

    explicit TComPort2(QObject *parent = nullptr);
    ~TComPort2() override;

    // Device paths of the ports that exist and can be opened exclusively now.
    static QStringList AvailablePorts();

    // Throws EComError "TCOMPORT : cannot open <port>\r\n<system message>".
    void Open();
    void Close();
    // Discards both buffers and lowers DTR and RTS. keepOutput: discards
    // only what came in, after everything written has left.
    void Purge(bool keepOutput = false);
    void Send(const QByteArray &data);

    bool Opened() const { return m_serial.isOpen(); }

    QString Port() const { return m_port; }
    void SetPort(const QString &port) { m_port = port; }
    uint32_t Baud() const { return m_baud; }
    // Applied at once when the port is open.
    void SetBaud(uint32_t baud);
    uint8_t DataBits() const { return m_dataBits; }
    void SetDataBits(uint8_t bits) { m_dataBits = bits; }
    TParity Parity() const { return m_parity; }
    void SetParity(TParity parity) { m_parity = parity; }
    TStopBit StopBits() const { return m_stopBits; }
    void SetStopBits(TStopBit stopBits) { m_stopBits = stopBits; }
    // Kept for the settings dialog; Linux has no per-port kernel queue size.
    uint32_t WinQSizeIn() const { return m_queueIn; }
    void SetWinQSizeIn(uint32_t size) { m_queueIn = size; }
    uint32_t WinQSizeOut() const { return m_queueOut; }
    void SetWinQSizeOut(uint32_t size) { m_queueOut = size; }
    TReceiveMode ReceiveMode() const { return m_receiveMode; }
    void SetReceiveMode(TReceiveMode mode) { m_receiveMode = mode; }

    // "#13#10" form: the first character is skipped, the rest is decimal
    // character codes separated by '#'. Throws EComError on a bad text.
    QString Terminator() const { return m_terminated.Terminator(); }
    void SetTerminator(const QString &text) { m_terminated.SetTerminator(text); }

    void SetReceiveCallBack(TReceiveProc callback) { m_receiveCallBack = std::move(callback); }

signals:
    void OnPortOpen();
    void OnPortClose();
    void OnPortLost();

private:
    void onError(QSerialPort::SerialPortError error);
    void closeLostPort();

    void applyLineSettings();
    void readAvailable();

    QSerialPort m_serial;
    QString m_port;
    uint32_t m_baud = 9600;
    uint8_t m_dataBits = 8;
    TParity m_parity = ptNONE;
    TStopBit m_stopBits = sbONE;
    uint32_t m_queueIn = 8192;
    uint32_t m_queueOut = 8192;
    TReceiveMode m_receiveMode = rmTERM;
    TTerminatedText m_terminated;
    TReceiveProc m_receiveCallBack;
    // The port reported that it is gone and is about to be closed.
    bool m_lost = false;
};
