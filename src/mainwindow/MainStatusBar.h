#pragma once
#include "StandardPictures.h"

#include <QStatusBar>
#include <array>

class QLabel;
class QPixmap;
class TStatusTicker;

// The main window's status bar: seven panels of fixed width (connection icon,
// connection state, connection type, software version, device version, the
// ticker, the audio icon) with the scrolling ticker laid over panel 5.
class TMainStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    enum TPanel { IconPanel, ConnectionPanel, ConTypePanel, SoftwarePanel, DevicePanel, TickerPanel, AudioPanel };
    static constexpr std::array<int, 7> PanelWidths{16, 124, 170, 166, 112, 160, 16};

    explicit TMainStatusBar(QWidget *parent = nullptr);

    void SetPanelText(TPanel panel, const QString &text);
    QString PanelText(TPanel panel) const;
    void SetConnectedIcon(bool connected);
    // A picture in a panel (the audio indicator's).
    void SetPanelPicture(TPanel panel, const QPixmap &picture);
    QPixmap PanelPicture(TPanel panel) const;
    bool ConnectedIconShown() const { return m_connectedIcon; }
    TStatusTicker *Ticker() const { return m_ticker; }

signals:
    // The pointer moved over the bar: arms the service console key.
    void PointerOver();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void PlaceTicker();

    std::array<QLabel *, 7> m_panels{};
    TStatusTicker *m_ticker;
    bool m_connectedIcon = false;
    TStandardPictures m_pictures{this, 12};
};
