#pragma once
#include "MainContext.h"

#include <QObject>

class QAction;
class QToolBar;
class QWidget;
class TLogoFrameLoad;

// The main window's side of the logo and frame loader: it prepares the
// loader once (the link, the transfer-mode request, the luma key codes, the
// destinations, the recent pictures' file), hands it the device's luma key
// and stored pictures each time it opens, passes the operator's luma key
// choices on to the device, and opens it from the tool bar's "Transfert".
class TLogoLoaderLink : public QObject
{
    Q_OBJECT
public:
    // historyFile: where the loader keeps its recent pictures.
    TLogoLoaderLink(const TMainContext &context, QWidget *window, QToolBar *toolBar, const QString &historyFile);
    // The loader goes with it: its threads must stop while the link exists.
    ~TLogoLoaderLink() override;

    TLogoFrameLoad *Loader() const { return m_loader; }
    QAction *OpenAction() const { return m_open; }

    // Takes the device's luma key and stored marks into the loader.
    void Prepare();
    // Prepares and shows the loader modally; once it closes, a device left
    // in transfer mode goes back to assigning pictures.
    void Open();

private:
    TMainContext m_context;
    TLogoFrameLoad *m_loader;
    QAction *m_open;
};
