#pragma once
#include "ImageHistoryList.h"

#include <QHash>
#include <QImage>
#include <QScrollArea>
#include <QSize>

class TThumbnailStrip;

// The loader's list of recently used pictures, shown as thumbnails stacked
// top to bottom: a picture at its own size when both its sides are below
// 128, otherwise scaled into 128 x 128. A picture is decoded only when its
// thumbnail comes into view, so a long list does not slow the start.
//
// Clicking a thumbnail asks for that picture to be loaded; the context menu
// of a thumbnail offers "Load...", "Refresh" and "Delete", that of the
// background "Load...". Every change is saved to the list's file at once.
class TImageHistory : public QScrollArea
{
    Q_OBJECT
public:
    static constexpr int ThumbnailSide = 128;
    static constexpr int Spacing = 2;

    explicit TImageHistory(QWidget *parent = nullptr);
    ~TImageHistory() override;

    // Reads the list from its file. Returns a message for the operator when
    // the file could not be read or was damaged, empty otherwise.
    QString Open(const QString &filePath);

    QStringList Paths() const { return m_list.Paths(); }
    // Adds a picture and saves; "Already preselected!" when it is listed.
    void AddPicture(const QString &path);
    // Asks whether to remove the picture; Yes removes it and saves.
    void RequestDelete(const QString &path);
    // Saves the list and builds it again from its file.
    void Refresh();

    // "Files : " path CR LF "Sizes : " width "x" height
    QString HintFor(const QString &path);
    // The thumbnail's rectangle in the strip, and the path under a point of it.
    QRect ThumbnailRect(int index) const;
    QString PathAt(const QPoint &stripPoint) const;
    QWidget *Strip() const;
    // Pictures decoded so far, for the start-up promise.
    int DecodedCount() const { return m_thumbnails.size(); }

signals:
    void ThumbnailClicked(const QString &path);
    void LoadRequested();

protected:
    // The background below the thumbnails.
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    friend class TThumbnailStrip;
    struct TThumbnail
    {
        QImage Picture; // null when the file could not be decoded
        QSize FullSize;
    };

    const TThumbnail &ThumbnailFor(const QString &path);
    void Rebuild();
    void Save();
    void ShowMenu(const QPoint &stripPoint, const QPoint &globalPoint);

    TImageHistoryList m_list;
    TThumbnailStrip *m_strip;
    QHash<QString, TThumbnail> m_thumbnails;
    bool m_unsaved = false;
};
