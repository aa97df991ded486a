#include "FormLogoFrameLoad.h"

#include "HistoryImage.h"
#include "transfer/ThreadFrameRaw.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QVBoxLayout>

// The loader's layout: the picture display, the buttons and groups beside
// it, the thumbnails, the timeouts below and the two-panel status bar.

namespace {

QPushButton *Button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QLineEdit *NumberField(const QString &name, const QString &text, bool readOnly, QWidget *parent)
{
    auto *field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setReadOnly(readOnly);
    field->setAlignment(Qt::AlignRight);
    field->setMaximumWidth(80);
    return field;
}

} // namespace

void TLogoFrameLoad::BuildWindow()
{
    m_controls = new QWidget(this);
    m_display = new QLabel(m_controls);
    m_display->setObjectName(QStringLiteral("Image_Display"));
    m_display->setAlignment(Qt::AlignCenter);
    m_display->setMinimumSize(360, 270);
    m_display->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_display->setFrameShape(QFrame::StyledPanel);
    m_display->setStyleSheet(QStringLiteral("background-color: black;"));

    m_history = new TImageHistory(m_controls);
    m_history->setFixedWidth(TImageHistory::ThumbnailSide + 24);
    connect(m_history, &TImageHistory::ThumbnailClicked, this,
            [this](const QString &path) { LoadPicture(path, true); });
    connect(m_history, &TImageHistory::LoadRequested, this, &TLogoFrameLoad::ChooseAndLoad);

    auto *side = new QVBoxLayout;
    side->addWidget(BuildButtons());
    side->addWidget(BuildLumaGroups());
    side->addStretch(1);

    auto *top = new QHBoxLayout;
    top->addWidget(m_display, 1);
    top->addLayout(side);
    top->addWidget(m_history);

    auto *controlsLayout = new QVBoxLayout(m_controls);
    controlsLayout->setContentsMargins(0, 0, 0, 0);
    controlsLayout->addLayout(top, 1);
    controlsLayout->addWidget(BuildTimeouts());

    auto *statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("StatusBar_Loader"));
    statusBar->setSizeGripEnabled(false);
    m_status = new QLabel(statusBar);
    m_status->setObjectName(QStringLiteral("Label_Status"));
    m_elapsedLabel = new QLabel(statusBar);
    m_elapsedLabel->setObjectName(QStringLiteral("Label_Elapsed"));
    statusBar->addWidget(m_status, 1);
    statusBar->addPermanentWidget(m_elapsedLabel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_controls, 1);
    layout->addWidget(statusBar);
    resize(860, 520);
}

QWidget *TLogoFrameLoad::BuildButtons()
{
    auto *box = new QWidget(m_controls);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_load = Button(QStringLiteral("Button_Load"), QStringLiteral("&Load..."), box);
    m_save = Button(QStringLiteral("Button_Save"), QStringLiteral("&Save..."), box);
    m_transfer = Button(QStringLiteral("Button_Transfer"), QStringLiteral("Transfer &to Device"), box);
    m_retrieve = Button(QStringLiteral("Button_Retrieve"), QStringLiteral("Retreive &from Device"), box);
    connect(m_load, &QPushButton::clicked, this, &TLogoFrameLoad::ChooseAndLoad);
    connect(m_save, &QPushButton::clicked, this, &TLogoFrameLoad::ChooseAndSave);
    connect(m_transfer, &QPushButton::clicked, this, &TLogoFrameLoad::TransferToDevice);
    connect(m_retrieve, &QPushButton::clicked, this, &TLogoFrameLoad::RetrieveFromDevice);
    for (QPushButton *button : {m_load, m_save, m_transfer, m_retrieve})
        layout->addWidget(button);

    auto *destinationGroup = new QGroupBox(QStringLiteral("Logo / Frame Number"), box);
    auto *destinationLayout = new QVBoxLayout(destinationGroup);
    m_destination = new QComboBox(destinationGroup);
    m_destination->setObjectName(QStringLiteral("ComboBox_Destination"));
    m_destination->setMinimumContentsLength(24);
    connect(m_destination, qOverload<int>(&QComboBox::activated), this, &TLogoFrameLoad::ChooseDestination);
    destinationLayout->addWidget(m_destination);
    layout->addWidget(destinationGroup);
    return box;
}

QWidget *TLogoFrameLoad::BuildLumaGroups()
{
    auto *box = new QWidget(m_controls);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *colorGroup = new QGroupBox(QStringLiteral("Background Color"), box);
    auto *colorLayout = new QHBoxLayout(colorGroup);
    m_colorPanel = new QLabel(colorGroup);
    m_colorPanel->setObjectName(QStringLiteral("Panel_Color"));
    m_colorPanel->setMinimumSize(60, 22);
    m_colorPanel->setFrameShape(QFrame::Box);
    m_colorPanel->setAutoFillBackground(true);
    m_colorButton = Button(QStringLiteral("Button_Color"), QStringLiteral("..."), colorGroup);
    m_colorButton->setToolTip(QStringLiteral("BackGround Color"));
    m_colorButton->setMaximumWidth(40);
    connect(m_colorButton, &QPushButton::clicked, this, &TLogoFrameLoad::ChooseColor);
    colorLayout->addWidget(m_colorPanel, 1);
    colorLayout->addWidget(m_colorButton);
    layout->addWidget(colorGroup);

    auto *lumaGroup = new QGroupBox(QStringLiteral(" Luma Key "), box);
    auto *lumaLayout = new QHBoxLayout(lumaGroup);
    m_slider = new QSlider(Qt::Horizontal, lumaGroup);
    m_slider->setObjectName(QStringLiteral("Slider_Luma"));
    m_slider->setRange(0, 255);
    // Only the operator's moves: a range or a value set by the program writes nothing.
    connect(m_slider, &QSlider::actionTriggered, this, &TLogoFrameLoad::OnSliderAction);
    m_levelEdit = NumberField(QStringLiteral("Edit_Luma"), QStringLiteral("0"), false, lumaGroup);
    m_levelEdit->setMaximumWidth(50);
    connect(m_levelEdit, &QLineEdit::returnPressed, this, [this] { EnterLevel(m_levelEdit->text()); });
    lumaLayout->addWidget(m_slider, 1);
    lumaLayout->addWidget(m_levelEdit);
    layout->addWidget(lumaGroup);

    auto *typeGroup = new QGroupBox(QStringLiteral("Luma Key Type"), box);
    auto *typeLayout = new QHBoxLayout(typeGroup);
    m_black = new QRadioButton(QStringLiteral("Black"), typeGroup);
    m_black->setObjectName(QStringLiteral("Radio_Black"));
    m_white = new QRadioButton(QStringLiteral("White"), typeGroup);
    m_white->setObjectName(QStringLiteral("Radio_White"));
    m_black->setChecked(true);
    connect(m_black, &QRadioButton::clicked, this, [this] { ChooseType(uint8_t(m_blackCode)); });
    connect(m_white, &QRadioButton::clicked, this, [this] { ChooseType(uint8_t(m_whiteCode)); });
    typeLayout->addWidget(m_black);
    typeLayout->addWidget(m_white);
    layout->addWidget(typeGroup);
    return box;
}

QWidget *TLogoFrameLoad::BuildTimeouts()
{
    auto *panel = new QGroupBox(QStringLiteral("Timeouts (ms)"), m_controls);
    panel->setObjectName(QStringLiteral("Panel_Timeouts"));
    auto *layout = new QHBoxLayout(panel);
    struct TTimeout
    {
        const char *Name;
        std::function<void(int)> Set;
        std::function<int()> Get;
    };
    TThreadFrameRaw *sender = m_sender.get();
    const TTimeout timeouts[] = {
        {"TIMEOUT_TRANSFERT", [sender](int ms) { sender->SetTimeoutTransfert(ms); },
         [sender] { return sender->TIMEOUT_TRANSFERT(); }},
        {"TIMEOUT_ERASE", [sender](int ms) { sender->SetTimeoutErase(ms); },
         [sender] { return sender->TIMEOUT_ERASE(); }},
        {"TIMEOUT_WRITE_REPEAT", [sender](int ms) { sender->SetTimeoutWriteRepeat(ms); },
         [sender] { return sender->TIMEOUT_WRITE_REPEAT(); }},
    };
    for (const TTimeout &timeout : timeouts) {
        const QString name = QString::fromLatin1(timeout.Name);
        const QString value = QString::number(timeout.Get());
        layout->addWidget(new QLabel(name, panel));
        QLineEdit *entry = NumberField(QStringLiteral("Edit_") + name, value, false, panel);
        QLineEdit *inForce = NumberField(QStringLiteral("Edit_") + name + QStringLiteral("_InForce"), value, true, panel);
        entry->setToolTip(QStringLiteral("%1 in milliseconds, Enter to apply").arg(name));
        inForce->setToolTip(QStringLiteral("The %1 in force").arg(name));
        connect(entry, &QLineEdit::editingFinished, this,
                [this, entry, inForce, set = timeout.Set, get = timeout.Get] { ApplyTimeout(entry, inForce, set, get); });
        layout->addWidget(entry);
        layout->addWidget(inForce);
        layout->addSpacing(8);
    }
    layout->addStretch(1);
    return panel;
}

