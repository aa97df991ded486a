#pragma once
// The logos, frames and picture capture: everything the operator uses to
// lay the device's three pictures over the inputs and the output, to record
// or erase them, wherever it sits.
//  - the "Logos/Frame" page: the mode selector, the preview of the output
//    with the capture rectangle or the logo placed on it, the position,
//    size, transparency and luma key fields, the memory grid and "Store";
//  - under each input button of the "Input selection" strip: the input's
//    picture selector and its ON/OFF button;
//  - under "Black" and "Freeze": the picture laid over every output and its
//    ON/OFF button (hint "Common").
// "Transfert" opens the loader; once the loader has given the link back, the
// device leaves the transfer mode. Its common-update rule shows the preview
// and the fields only where there is a logo to place or a frame to fade.
#include "mainwindow/MainContext.h"

#include <QObject>
#include <QRect>
#include <array>
#include <cstdint>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;
class TCadrageDoubleLogo;
class TEditUpDown;
class TInputSection;
class TLogoLoaderLink;
class TSmartItems;

class TLogoSection : public QObject
{
    Q_OBJECT
public:
    struct TPlaces
    {
        QWidget *LogoPage;
        // The "Input selection" strip and the section whose columns it follows.
        QWidget *Strip;
        const TInputSection *Inputs;
        // Where the common picture's selector and button sit, on `Client`.
        QWidget *Client;
        QRect CommonArea;
        TLogoLoaderLink *Loader;
    };

    TLogoSection(const TMainContext &context, const TPlaces &places, QObject *parent = nullptr);

    TSmartItems *ModeSelector() const { return m_mode; }
    TCadrageDoubleLogo *Preview() const { return m_preview; }
    TEditUpDown *LeftField() const { return m_left; }
    TEditUpDown *TopField() const { return m_top; }
    TEditUpDown *WidthField() const { return m_width; }
    TEditUpDown *HeightField() const { return m_height; }
    TEditUpDown *TransparencyField() const { return m_transparency; }
    TEditUpDown *LumaLevelField() const { return m_lumaLevel; }
    TEditUpDown *BackColorField() const { return m_backColor; }
    TSmartItems *LumaTypeSelector() const { return m_lumaType; }
    QPushButton *SizeLinkButton() const { return m_sizeLink; }
    QGroupBox *PositionGroup() const { return m_positionGroup; }
    QGroupBox *SizeGroup() const { return m_sizeGroup; }
    QTableWidget *MemoryGrid() const { return m_grid; }
    QPushButton *StoreButton() const { return m_store; }
    TSmartItems *PictureSelector(int input) const { return m_pictures.at(size_t(input)); }
    QPushButton *PictureButton(int input) const { return m_enables.at(size_t(input)); }
    TSmartItems *CommonSelector() const { return m_commonPicture; }
    QPushButton *CommonButton() const { return m_commonEnable; }
    // The mode item shown by the latest report other than "Transfert".
    uint16_t RememberedMode() const { return m_rememberedMode; }
    bool SizeLinked() const { return m_linked; }
    double SizeRatio() const { return m_ratio; }

    // The operator's actions that have no single widget signal.
    void ChooseMemory(int memory);
    void Store();
    void ToggleSizeLink();

    static QString EraseQuestion();

private:
    enum TAxis { Horizontal, Vertical };

    void BuildPage(QWidget *page);
    void BuildCaptureControls(QWidget *page);
    void BuildGrid(QWidget *page);
    void BuildStrip(QWidget *strip, const TInputSection &inputs);
    void BuildCommonRow(QWidget *client, const QRect &area);
    void BindOperatorActions();
    void BindPreviewEvents();
    void BindReports();

    void ChooseMode(int item);
    void OpenLoader();
    void EditPosition(TAxis axis, int32_t value);
    void EditSize(TAxis axis, int32_t value);
    void EditTransparency(int32_t value);
    void DragCapture(int varNumber, uint32_t scale, int outputVar);
    void DragLogo(TAxis axis);

    void ShowMode();
    void ShowMemories();
    void ShowInputPicture(int input);
    void ShowCommonPicture();
    void ShowTransparency();
    void RefreshPreview();
    void RefreshCapture();
    void RefreshAssign();
    void RequestPictureSize(uint16_t memory);
    void AnswerSizeRequest();
    void ApplyVisibility();

    // Sends when the variable's range takes the value.
    bool SendInRange(int varNumber, int64_t value);
    // The same for an element of the input on screen, IPCHAN first if needed.
    bool SendToActiveInput(int varNumber, int64_t value);
    bool CommonLogoEdited() const;
    uint16_t InputCopy(int varNumber, int input) const;

    TMainContext m_context;
    TLogoLoaderLink *m_loader;
    TSmartItems *m_mode = nullptr;
    TCadrageDoubleLogo *m_preview = nullptr;
    QGroupBox *m_positionGroup = nullptr;
    QGroupBox *m_sizeGroup = nullptr;
    TEditUpDown *m_left = nullptr;
    TEditUpDown *m_top = nullptr;
    TEditUpDown *m_width = nullptr;
    TEditUpDown *m_height = nullptr;
    QPushButton *m_sizeLink = nullptr;
    QLabel *m_transparencyLabel = nullptr;
    TEditUpDown *m_transparency = nullptr;
    TSmartItems *m_lumaType = nullptr;
    TEditUpDown *m_lumaLevel = nullptr;
    TEditUpDown *m_backColor = nullptr;
    std::vector<QWidget *> m_captureControls;
    QTableWidget *m_grid = nullptr;
    QPushButton *m_store = nullptr;
    std::array<TSmartItems *, 6> m_pictures{};
    std::array<QPushButton *, 6> m_enables{};
    TSmartItems *m_commonPicture = nullptr;
    QPushButton *m_commonEnable = nullptr;

    uint16_t m_rememberedMode = 0;
    bool m_linked = false;
    double m_ratio = 0;
    // The memory whose size was asked for and not yet answered (0: none),
    // and one the device answered with another index: it is not asked again.
    uint16_t m_sizeAsked = 0;
    uint16_t m_sizeRefused = 0;
};
