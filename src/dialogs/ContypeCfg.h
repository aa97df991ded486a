#pragma once
#include <QDialog>
#include <QStringList>
#include <functional>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;

// "Connection Configuration": the operator chooses no link, a serial port, UDP
// or TCP. The dialog edits a copy of the driver's settings; the main window
// fills it before showing it and applies the result when it was accepted.
class TConTypeCfgForm : public QDialog
{
    Q_OBJECT
public:
    // The order of the driver's connection types.
    enum TType { TypeNone = 0, TypeRS232 = 1, TypeUDP = 2, TypeTCP = 3 };

    explicit TConTypeCfgForm(QWidget *parent = nullptr);

    void SetConnectionType(int type);
    int ConnectionType() const { return m_type; }
    // Selects the port in the list; a name not listed (a path typed earlier, a
    // port unplugged since) is kept as it is, so that it can still be opened.
    void SetPortName(const QString &name);
    QString PortName() const { return m_portName; }
    void SetLocalPort(int port);
    int LocalPort() const { return m_localPort; }
    void SetRemotePort(int port);
    int RemotePort() const { return m_remotePort; }
    void SetRemoteAddress(const QString &address);
    QString RemoteAddress() const { return m_remoteAddress; }

    void ClearPorts();
    void AddPort(const QString &name);
    QStringList Ports() const { return m_ports; }

    // No LAN board: only the serial link can be chosen.
    void SetRS232Only(bool only);
    bool RS232Only() const { return m_rs232Only; }

    bool Accepted() const { return m_accepted; }
    // Called after a successful OK, before the dialog closes.
    std::function<void()> OnOk;

    // The OK and Cancel buttons, for the window's own use and for tests.
    void PressOk();
    void PressCancel();

private:
    bool TakePortEntry(QLineEdit *edit, int &port, const QString &message);
    void ShowPanelOf(int type);

    int m_type = TypeNone;
    int m_localPort = 10000;
    int m_remotePort = 10500;
    QString m_remoteAddress;
    QString m_portName;
    QStringList m_ports;
    bool m_rs232Only = false;
    bool m_accepted = false;

    QButtonGroup *m_typeButtons;
    QRadioButton *m_radio[4];
    QWidget *m_panel[4] = {};
    QComboBox *m_portBox;
    QLineEdit *m_udpAddress;
    QLineEdit *m_udpRemotePort;
    QLineEdit *m_udpLocalPort;
    QLineEdit *m_tcpAddress;
    QLineEdit *m_tcpRemotePort;
};
