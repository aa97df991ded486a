#include "HistoryImage.h"

#include "OperatorPrompt.h"
#include "transfer/PictureFile.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr int Pitch = TImageHistory::ThumbnailSide + TImageHistory::Spacing;

QImage FirstFrameOf(const TGifImage &gif)
{
    for (const TGifFrame &frame : gif.Frames) {
        if (frame.IsEmpty())
            continue;
        QImage picture(frame.Width, frame.Height, QImage::Format_RGB888);
        for (int y = 0; y < frame.Height; ++y)
            for (int x = 0; x < frame.Width; ++x)
                picture.setPixel(x, y, frame.MaskAt(x, y) ? gif.Background : frame.ColorAt(x, y));
        return picture;
    }
    return {};
}

} // namespace

// Paints only the thumbnails in view; the scroll area clips the rest.
class TThumbnailStrip : public QWidget
{
public:
    explicit TThumbnailStrip(TImageHistory &history) : QWidget(&history), m_history(history)
    {
        setObjectName(QStringLiteral("ImageHistoryStrip"));
        setMouseTracking(true);
    }

    void Resize(int count)
    {
        setFixedSize(TImageHistory::ThumbnailSide, std::max(1, count * Pitch - TImageHistory::Spacing));
        update();
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        const QStringList paths = m_history.Paths();
        const int first = std::max(0, event->rect().top() / Pitch);
        const int last = std::min<int>(int(paths.size()) - 1, event->rect().bottom() / Pitch);
        for (int i = first; i <= last; ++i) {
            const QRect slot = m_history.ThumbnailRect(i);
            const QImage &picture = m_history.ThumbnailFor(paths[i]).Picture;
            if (picture.isNull()) {
                painter.fillRect(slot, palette().color(QPalette::Mid));
                painter.drawText(slot, Qt::AlignCenter | Qt::TextWordWrap, QFileInfo(paths[i]).fileName());
                continue;
            }
            QRect target(QPoint(), picture.size());
            target.moveCenter(slot.center());
            painter.drawImage(target, picture);
        }
    }

    void mousePressEvent(QMouseEvent *event) override { event->accept(); }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        const QString path = m_history.PathAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton && !path.isEmpty())
            emit m_history.ThumbnailClicked(path);
    }

    void contextMenuEvent(QContextMenuEvent *event) override { m_history.ShowMenu(event->pos(), event->globalPos()); }

    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip) {
            auto *help = static_cast<QHelpEvent *>(event);
            const QString path = m_history.PathAt(help->pos());
            if (path.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(help->globalPos(), m_history.HintFor(path), this);
            return true;
        }
        return QWidget::event(event);
    }

private:
    TImageHistory &m_history;
};

TImageHistory::TImageHistory(QWidget *parent) : QScrollArea(parent), m_strip(new TThumbnailStrip(*this))
{
    setObjectName(QStringLiteral("ImageHistory"));
    setWidget(m_strip);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    m_strip->Resize(0);
}

TImageHistory::~TImageHistory()
{
    // Every change was saved when it was made; only a failed save is tried again.
    if (m_unsaved)
        Save();
}

QWidget *TImageHistory::Strip() const
{
    return m_strip;
}

QString TImageHistory::Open(const QString &filePath)
{
    m_list = TImageHistoryList(filePath);
    const QString warning = m_list.Load();
    Rebuild();
    return warning;
}

void TImageHistory::AddPicture(const QString &path)
{
    if (m_list.Contains(path)) {
        TOperatorPrompt::Inform(this, QStringLiteral("Already preselected!"));
        return;
    }
    if (!m_list.Add(path))
        return;
    Save();
    Rebuild();
}

void TImageHistory::RequestDelete(const QString &path)
{
    const QString question = QStringLiteral("Are you sure that you want to remove \"%1\" from the list")
                                 .arg(QFileInfo(path).fileName());
    if (!TOperatorPrompt::ConfirmYesNo(this, question))
        return;
    m_list.Remove(path);
    Save();
    Rebuild();
}

void TImageHistory::Refresh()
{
    Save();
    m_thumbnails.clear();
    const QString warning = m_list.Load();
    if (!warning.isEmpty())
        TOperatorPrompt::Inform(this, warning, TOperatorPrompt::Warning);
    Rebuild();
}

void TImageHistory::Save()
{
    const QString error = m_list.Save();
    m_unsaved = !error.isEmpty();
    if (m_unsaved)
        TOperatorPrompt::Inform(this, error, TOperatorPrompt::Error);
}

void TImageHistory::Rebuild()
{
    // Only the pictures still listed stay decoded.
    for (auto it = m_thumbnails.begin(); it != m_thumbnails.end();) {
        if (m_list.Paths().contains(it.key()))
            ++it;
        else
            it = m_thumbnails.erase(it);
    }
    m_strip->Resize(int(m_list.Paths().size()));
}

QRect TImageHistory::ThumbnailRect(int index) const
{
    return QRect(0, index * Pitch, ThumbnailSide, ThumbnailSide);
}

QString TImageHistory::PathAt(const QPoint &stripPoint) const
{
    const QStringList &paths = m_list.Paths();
    if (stripPoint.y() < 0)
        return {};
    const int index = stripPoint.y() / Pitch;
    if (index >= paths.size() || !ThumbnailRect(index).contains(stripPoint))
        return {};
    return paths[index];
}

const TImageHistory::TThumbnail &TImageHistory::ThumbnailFor(const QString &path)
{
    auto found = m_thumbnails.find(path);
    if (found != m_thumbnails.end())
        return *found;
    TThumbnail thumbnail;
    const TDecoded<TPictureFile> decoded = LoadPictureFile(path);
    if (decoded.Ok()) {
        const QImage full = decoded.Value.Kind == TPictureFile::pkAnimated ? FirstFrameOf(decoded.Value.Animated)
                                                                           : decoded.Value.Still;
        thumbnail.FullSize = full.size();
        if (full.width() < ThumbnailSide && full.height() < ThumbnailSide)
            thumbnail.Picture = full;
        else
            thumbnail.Picture = full.scaled(ThumbnailSide, ThumbnailSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return *m_thumbnails.insert(path, thumbnail);
}

QString TImageHistory::HintFor(const QString &path)
{
    const TThumbnail &thumbnail = ThumbnailFor(path);
    const QString size = thumbnail.Picture.isNull()
                             ? QStringLiteral("unreadable")
                             : QStringLiteral("%1x%2").arg(thumbnail.FullSize.width()).arg(thumbnail.FullSize.height());
    return QStringLiteral("Files : %1\r\nSizes : %2").arg(path, size);
}

void TImageHistory::ShowMenu(const QPoint &stripPoint, const QPoint &globalPoint)
{
    const QString path = PathAt(stripPoint);
    QMenu menu(this);
    menu.addAction(QStringLiteral("Load..."), this, &TImageHistory::LoadRequested);
    if (!path.isEmpty()) {
        menu.addAction(QStringLiteral("Refresh"), this, &TImageHistory::Refresh);
        menu.addAction(QStringLiteral("Delete"), this, [this, path] { RequestDelete(path); });
    }
    menu.exec(globalPoint);
}

void TImageHistory::contextMenuEvent(QContextMenuEvent *event)
{
    ShowMenu(QPoint(-1, -1), event->globalPos());
}
