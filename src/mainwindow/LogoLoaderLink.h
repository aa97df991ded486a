#pragma once
#include "MainContext.h"

#include <QMetaObject>
#include <QObject>
#include <functional>

class QWidget;
class TLogoFrameLoad;

// The main window's side of the logo and frame loader: it prepares the
// loader once (the link, the transfer-mode request, the luma key codes, the
// destinations, the recent pictures' file), hands it the device's luma key
// and stored pictures each time it opens, and passes the operator's luma key
// choices on to the device. The logos page opens it ("Transfert").
class TLogoLoaderLink : public QObject
{
    Q_OBJECT
public:
    // historyFile: where the loader keeps its recent pictures.
    TLogoLoaderLink(const TMainContext &context, QWidget *window, const QString &historyFile);
    // The loader goes with it: its threads must stop while the link exists.
    ~TLogoLoaderLink() override;

    TLogoFrameLoad *Loader() const { return m_loader; }

    // Takes the device's luma key and stored marks into the loader.
    void Prepare();
    // Prepares and shows the loader modally. `closed` runs once it has closed
    // and the link is back in variable mode: a transfer abandoned on closing
    // hands the link back a moment later, and a write made before would be
    // lost among the transfer's raw bytes.
    void Open(std::function<void()> closed);

private:
    TMainContext m_context;
    TLogoFrameLoad *m_loader;
    QMetaObject::Connection m_waitForLink;
};
