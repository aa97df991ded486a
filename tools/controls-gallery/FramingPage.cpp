// The framing controls with sample values, for the controls gallery.
#include "controls/CadrageDoubleLogo.h"
#include "controls/CadrageImage_2.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QWidget *CreateZoomFraming(QLabel *status)
{
    auto *zoom = new TCadrageImage_2;
    zoom->setFixedSize(512, 300);
    zoom->SetFluidAndBackFlash(true);
    zoom->SetZoom_HSize_ET_VSize_MAXIMUM(10000);
    zoom->SetIMAGE_HSize(1100);
    zoom->SetIMAGE_VSize(1100);
    zoom->SetIMAGE_HPos(127);
    zoom->SetIMAGE_VPos(127);
    zoom->SetZoom_HSize(60);
    zoom->SetZoom_VSize(60);
    zoom->SetZoom_HPos(140);
    zoom->SetZoom_VPos(128);
    // Play the device: assign each reported value straight back.
    auto echo = [zoom, status](const char *name, auto read, auto write) {
        return [zoom, status, name, read, write](QObject *) {
            const int value = (zoom->*read)();
            (zoom->*write)(value);
            status->setText(QStringLiteral("%1 = %2").arg(name).arg(value));
        };
    };
    zoom->SetOnZoom_HPos(echo("Zoom_HPos", &TCadrageImage_2::Zoom_HPos, &TCadrageImage_2::SetZoom_HPos));
    zoom->SetOnZoom_VPos(echo("Zoom_VPos", &TCadrageImage_2::Zoom_VPos, &TCadrageImage_2::SetZoom_VPos));
    zoom->SetOnZoom_HSize(echo("Zoom_HSize", &TCadrageImage_2::Zoom_HSize, &TCadrageImage_2::SetZoom_HSize));
    zoom->SetOnZoom_VSize(echo("Zoom_VSize", &TCadrageImage_2::Zoom_VSize, &TCadrageImage_2::SetZoom_VSize));
    zoom->SetOnDoubleClick([zoom](QObject *) {
        zoom->SetTypeZoom(zoom->TypeZoom() == _TypeZoomOn ? _TypeZoomOff : _TypeZoomOn);
    });
    return zoom;
}

QWidget *CreateLogoFraming(QLabel *status)
{
    auto *logo = new TCadrageDoubleLogo;
    logo->SetOHSIZx(1920);
    logo->SetOVSIZx(1080);
    logo->SetLMODE(_EnregistrementLogoFixe);
    logo->SetLHPCAP(60);
    logo->SetLVPCAP(50);
    logo->SetLHSCAP(100);
    logo->SetLVSCAP(90);
    logo->SetLHSIZ1x(40);
    logo->SetLVSIZ1x(40);
    logo->SetLHPOS1x(230);
    logo->SetLVPOS1x(20);
    logo->SetLogo2(false);
    logo->SetColor(Qt::green);
    auto echo = [logo, status](const char *name, auto read, auto write) {
        return [logo, status, name, read, write](QObject *, TCadrageDoubleLogoCode) {
            const uint32_t value = (logo->*read)();
            status->setText(QStringLiteral("%1 = %2").arg(name).arg(value));
            (logo->*write)(value);
        };
    };
    logo->SetOnFLHPCAPChange(echo("LHPCAP", &TCadrageDoubleLogo::LHPCAP, &TCadrageDoubleLogo::SetLHPCAP));
    logo->SetOnFLVPCAPChange(echo("LVPCAP", &TCadrageDoubleLogo::LVPCAP, &TCadrageDoubleLogo::SetLVPCAP));
    logo->SetOnFLHSCAPChange(echo("LHSCAP", &TCadrageDoubleLogo::LHSCAP, &TCadrageDoubleLogo::SetLHSCAP));
    logo->SetOnFLVSCAPChange(echo("LVSCAP", &TCadrageDoubleLogo::LVSCAP, &TCadrageDoubleLogo::SetLVSCAP));
    logo->SetOnFLHPOS1xChange(echo("LHPOS1x", &TCadrageDoubleLogo::LHPOS1x, &TCadrageDoubleLogo::SetLHPOS1x));
    logo->SetOnFLVPOS1xChange(echo("LVPOS1x", &TCadrageDoubleLogo::LVPOS1x, &TCadrageDoubleLogo::SetLVPOS1x));
    return logo;
}

QGroupBox *Titled(const QString &title, QWidget *content)
{
    auto *box = new QGroupBox(title);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

} // namespace

QWidget *CreateFramingPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *status = new QLabel;
    layout->addWidget(Titled(QStringLiteral("TCadrageImage_2 (double-click: zoom on/off)"), CreateZoomFraming(status)));
    layout->addWidget(Titled(QStringLiteral("TCadrageDoubleLogo (recording a logo)"), CreateLogoFraming(status)));
    layout->addWidget(status);
    layout->addStretch();
    return page;
}
