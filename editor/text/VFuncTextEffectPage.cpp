#include "VFuncTextEffectPage.h"

#include "AppFolder.h"
#include "QColorCombox.h"
#include "TextMenuControls.h"
#include "QImageFuns.h"
#include "VBackgroundMenuWidget.h"
#include "VFuncTextPage.h"
#include "VOutlineMenuWidget.h"
#include "VShadowMenuWidget.h"
#include "XmlGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QDomDocument>
#include <QGridLayout>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

// The embedded presets live in this library; a static library must register them.
static void InitEmbeddedPresets()
{
    Q_INIT_RESOURCE(textpresets);
}

namespace {

// Effect box entries and the effect each stands for.
const ::TextEffect kEffectOfIndex[7] = {TE_GLOW,         TE_NO_OUTLINE,   TE_OUTLINE, TE_DBL_OUTLINE,
                                        TE_GRAD_OUTLINE, TE_ONLY_OUTLINE, TE_DBL_GLOW};
const int kIndexOfEffect[7] = {0, 2, 3, 4, 1, 5, 6};

// A presets file is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxPresetsBytes = 1024 * 1024;

// AARRGGBB in hexadecimal; anything else is transparent black.
QColor PresetColour(const QString& text)
{
    bool ok = false;
    const uint value = text.trimmed().toUInt(&ok, 16);
    if (!ok)
        return QColor(0, 0, 0, 0);
    return QColor::fromRgba(value);
}

int PresetInt(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

// Lengths drawn by the renderer; a damaged file must not ask for more.
int PresetLength(const QString& text)
{
    return std::clamp(PresetInt(text), 0, CWordArtInfo::kMaxEffectLength);
}

CWordArtInfo ReadPreset(const QDomElement& element)
{
    CWordArtInfo r;
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        const QString name = child.nodeName();
        const QString text = child.toElement().text();
        if (name == QLatin1String("Name")) {
            r.Name = text;
        } else if (name == QLatin1String("TextEffect")) {
            const int effect = PresetInt(text);
            if (effect >= TE_GLOW && effect <= TE_DBL_GLOW)
                r.TextEffect = static_cast<::TextEffect>(effect);
        } else if (name == QLatin1String("TextColor")) {
            r.TextColor1 = PresetColour(text);
        } else if (name == QLatin1String("EnableTextGradient")) {
            r.TextGradient = PresetInt(text) != 0;
        } else if (name == QLatin1String("GradientColor")) {
            r.TextColor2 = PresetColour(text);
        } else if (name == QLatin1String("ExtrudedText")) {
            r.ExtrudedText = PresetInt(text) != 0;
        } else if (name == QLatin1String("OutlineColor1")) {
            r.OutlineColor1 = PresetColour(text);
        } else if (name == QLatin1String("OutlineThickness1")) {
            r.OutlineThickness1 = PresetLength(text);
        } else if (name == QLatin1String("OutlineAlpha1")) {
            r.OutlineAlpha1 = static_cast<unsigned char>(PresetInt(text) & 0xff);
        } else if (name == QLatin1String("OutlineColor2")) {
            r.OutlineColor2 = PresetColour(text);
        } else if (name == QLatin1String("OutlineThickness2")) {
            r.OutlineThickness2 = PresetLength(text);
        } else if (name == QLatin1String("OutlineAlpha2")) {
            r.OutlineAlpha2 = static_cast<unsigned char>(PresetInt(text) & 0xff);
        } else if (name == QLatin1String("EnableShadow")) {
            r.EnableShadow = PresetInt(text) != 0;
        } else if (name == QLatin1String("ShadowColor")) {
            r.ShadowColor = PresetColour(text);
        } else if (name == QLatin1String("ShadowThickness")) {
            r.ShadowThickness = PresetLength(text);
        } else if (name == QLatin1String("ShadowAlpha")) {
            r.ShadowAlpha = std::clamp(PresetInt(text), 0, 255);
        } else if (name == QLatin1String("ShadowX")) {
            r.ShadowOffsetX = std::clamp(PresetInt(text), -CWordArtInfo::kMaxEffectLength,
                                         CWordArtInfo::kMaxEffectLength);
        } else if (name == QLatin1String("ShadowY")) {
            r.ShadowOffsetY = std::clamp(PresetInt(text), -CWordArtInfo::kMaxEffectLength,
                                         CWordArtInfo::kMaxEffectLength);
        } else if (name == QLatin1String("EnableBackground")) {
            r.EnableBackground = PresetInt(text) != 0;
        } else {
            qDebug().noquote() << name + QLatin1Char(':') + text;
        }
    }
    return r;
}

} // namespace

VFuncTextEffectPage::VFuncTextEffectPage(CWordArtInfo* record, QWidget* parent)
    : CFQWidget(parent)
    , m_parent(parent)
    , m_record(record)
{
    setContentsMargins(10, 10, 10, 10);
    InitTextEffect();
    LoadPresets(AppPresetsPath());
    InitView();

    connect(m_presetList, &QListWidget::itemClicked, this, &VFuncTextEffectPage::onSingleClicked);
    connect(m_effectBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &VFuncTextEffectPage::onComboBoxTextEffectChange);
    connect(m_textColor, &QColorCombox::sigColorChanged, this, &VFuncTextEffectPage::onColorTextColorChanged);
    connect(m_gradient, &QCheckBox::clicked, this, &VFuncTextEffectPage::onCheckGradientstateChanged);
    connect(m_gradientColor, &QColorCombox::sigColorChanged, this, &VFuncTextEffectPage::onColorTextColor2Changed);
    connect(m_outlineButton, &QToolButton::clicked, this, &VFuncTextEffectPage::onBtnOutlineClicked);
    connect(m_shadowButton, &QToolButton::clicked, this, &VFuncTextEffectPage::onBtnShadowClicked);
    connect(m_backgroundButton, &QToolButton::clicked, this, &VFuncTextEffectPage::onBtnBackgroundClicked);
    connect(m_outlineMenu, &VOutlineMenuWidget::sigUpdateText, this, &VFuncTextEffectPage::sigUpdateText);
    connect(m_shadowMenu, &VShadowMenuWidget::sigUpdateText, this, &VFuncTextEffectPage::sigUpdateText);
    connect(m_backgroundMenu, &VBackgroundMenuWidget::sigUpdateText, this, &VFuncTextEffectPage::sigUpdateText);

    m_pending = false;
    m_timer = TextMenuControls::StartUpdateTimer(this);
}

QString VFuncTextEffectPage::AppPresetsPath()
{
    return AppFolder::Path() + QStringLiteral("/opts/WordArt.xml");
}

QString VFuncTextEffectPage::EmbeddedPresetsPath()
{
    InitEmbeddedPresets();
    return QStringLiteral(":/presets/opts/WordArt.xml");
}

void VFuncTextEffectPage::LoadPresets(const QString& path)
{
    // The file beside the program wins; a missing or damaged one gives the built-in set.
    if (!LoadWordArtXML(path) || m_presets.empty())
        LoadWordArtXML(EmbeddedPresetsPath());
}

void VFuncTextEffectPage::InitTextEffect()
{
    m_effectLabel = new QLabel(tr("Text Effect"), this);
    m_effectBox = new QComboBox(this);
    m_effectBox->setObjectName(QStringLiteral("comboTextEffect"));
    m_effectBox->addItem(tr("Text Glow"));
    m_effectBox->addItem(tr("No Outline"));
    m_effectBox->addItem(tr("Single Outline"));
    m_effectBox->addItem(tr("Double Outline"));
    m_effectBox->addItem(tr("Gradient Outline"));
    // Never narrower than its longest entry, whatever the language.
    m_effectBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_effectBox->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    SetComboBoxTextEffect();

    m_colorLabel = new QLabel(tr("Text Color"), this);
    m_textColor = new QColorCombox(this);
    m_textColor->setObjectName(QStringLiteral("colorText1"));
    m_textColor->setMinimumSize(100, 30);
    m_textColor->SetColor(m_record->TextColor1);

    m_gradient = new QCheckBox(tr("Gradient Text"), this);
    m_gradient->setObjectName(QStringLiteral("checkGradient"));
    m_gradient->setChecked(m_record->TextGradient);
    m_gradientColor = new QColorCombox(this);
    m_gradientColor->setObjectName(QStringLiteral("colorText2"));
    m_gradientColor->setMinimumSize(100, 30);
    m_gradientColor->SetColor(m_record->TextColor2);
    m_gradientColor->setEnabled(m_record->TextGradient);

    auto makeButton = [this](const QString& text, const char* name, QWidget* panel) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(name));
        button->setText(text);
        button->setMinimumSize(100, 30);
        button->setPopupMode(QToolButton::MenuButtonPopup);
        button->setMenu(CreateWidgetMenu(panel));
        return button;
    };
    m_outlineMenu = new VOutlineMenuWidget(m_record, this);
    m_outlineMenu->setObjectName(QStringLiteral("outlineMenu"));
    m_outlineButton = makeButton(tr("Outline"), "buttonOutline", m_outlineMenu);
    m_shadowMenu = new VShadowMenuWidget(m_record, this);
    m_shadowMenu->setObjectName(QStringLiteral("shadowMenu"));
    m_shadowButton = makeButton(tr("Shadow"), "buttonShadow", m_shadowMenu);
    m_backgroundMenu = new VBackgroundMenuWidget(m_record, this);
    m_backgroundMenu->setObjectName(QStringLiteral("backgroundMenu"));
    m_backgroundButton = makeButton(tr("Background"), "buttonBackground", m_backgroundMenu);

    m_presetList = new QListWidget(this);
    m_presetList->setObjectName(QStringLiteral("presetList"));
    m_presetList->setViewMode(QListView::IconMode);
    m_presetList->setResizeMode(QListView::Adjust);
    m_presetList->setMovement(QListView::Static);
    m_presetList->setIconSize(QSize(m_thumbWidth, m_thumbHeight));
    m_presetList->setStyleSheet(QStringLiteral(
        "QListWidget::Item{padding-top:4px; padding-bottom:4px; }QListWidget::Item:hover{background:#1D9FE4; }"
        "QListWidget::item:selected{background:lightgray; color:red; }"
        "QListWidget::item:selected:!active{border-width:0px; background:lightgreen; }"));

    auto* grid = new QGridLayout;
    grid->setSpacing(10);
    grid->addWidget(m_effectLabel, 0, 0);
    grid->addWidget(m_effectBox, 0, 1, Qt::AlignLeft);
    grid->addWidget(m_colorLabel, 0, 2);
    grid->addWidget(m_textColor, 0, 3, Qt::AlignLeft);
    grid->addWidget(m_gradient, 0, 4);
    grid->addWidget(m_gradientColor, 0, 5, Qt::AlignLeft);
    grid->addWidget(m_outlineButton, 1, 3);
    grid->addWidget(m_shadowButton, 1, 4);
    grid->addWidget(m_backgroundButton, 1, 5);

    auto* layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("pMainWinLayout"));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addLayout(grid);
    layout->addWidget(m_presetList);
}

bool VFuncTextEffectPage::LoadWordArtXML(const QString& path)
{
    qDebug().noquote() << "Styled-text presets:" << path;
    m_presets.clear();
    // A device in place of the file, a crafted one (nested far too deep, or
    // declaring entities) and a far too large one are refused unparsed.
    QDomDocument document;
    if (XmlGuard::Read(path, kMaxPresetsBytes, &document).error != XmlGuard::NoError)
        return false;
    const QDomElement root = document.documentElement();
    QDomNode node = root.firstChild();
    if (root.tagName() != QLatin1String("WordArts") || node.nodeName() != QLatin1String("WordArt"))
        return false;
    for (; !node.isNull(); node = node.nextSibling()) {
        if (node.isElement())
            m_presets.push_back(ReadPreset(node.toElement()));
    }
    return true;
}

void VFuncTextEffectPage::InitView()
{
    QFont font(QStringLiteral("Arial Black"));
    font.setPixelSize(96);
    for (CWordArtInfo& preset : m_presets) {
        auto* item = new QListWidgetItem(m_presetList);
        preset.Font = font;
        preset.Text = QStringLiteral("A");
        QImage image;
        if (!preset.DrawEffectText(&image, true) || image.isNull())
            continue;
        const QRect used = QImageFuns::AutoExpand(&image, 0);
        if (used.isValid() && !used.isEmpty())
            image = image.copy(used);
        const QPixmap thumb = QPixmap::fromImage(image).scaled(m_thumbWidth, m_thumbHeight, Qt::KeepAspectRatio,
                                                               Qt::SmoothTransformation);
        item->setIcon(QIcon(thumb));
    }
}

QMenu* VFuncTextEffectPage::CreateWidgetMenu(QWidget* content)
{
    auto* menu = new QMenu(this);
    auto* layout = new QVBoxLayout;
    layout->addWidget(content);
    menu->setLayout(layout);
    return menu;
}

void VFuncTextEffectPage::SetComboBoxTextEffect()
{
    const int effect = m_record->TextEffect;
    if (effect < TE_GLOW || effect > TE_DBL_GLOW)
        return;
    // Showing the record's effect is not a choice of the user: nothing is
    // written back. The Outline button follows a new entry (a preset's) as it
    // follows the user's choice; a record opened with "No Outline" keeps it.
    const int index = kIndexOfEffect[effect];
    if (index == m_effectBox->currentIndex())
        return;
    {
        const QSignalBlocker blocker(m_effectBox);
        m_effectBox->setCurrentIndex(index);
    }
    if (m_outlineButton)
        m_outlineButton->setVisible(index != 1);
}

void VFuncTextEffectPage::UpdateUI()
{
    SetComboBoxTextEffect();
    m_textColor->SetColor(m_record->TextColor1);
    m_textColor->update();
    {
        const QSignalBlocker blocker(m_gradient);
        m_gradient->setChecked(m_record->TextGradient);
    }
    m_gradientColor->SetColor(m_record->TextColor2);
    m_gradientColor->setEnabled(m_record->TextGradient);
    m_gradientColor->update();
    m_outlineMenu->UpdateUI();
    m_shadowMenu->UpdateUI();
    m_backgroundMenu->UpdateUI();
}

void VFuncTextEffectPage::onComboBoxTextEffectChange(int index)
{
    m_outlineButton->show();
    if (index >= 0 && index < 7)
        m_record->TextEffect = kEffectOfIndex[index];
    if (index == 1)
        m_outlineButton->hide();
    if (m_parent) {
        if (auto* tabs = m_parent->findChild<QTabWidget*>(QString(), Qt::FindDirectChildrenOnly))
            tabs->setStyleSheet(QStringLiteral("QTabBar::tab:disabled {width: 0; color: transparent;}"));
    }
    UpdateUI();
    emit sigUpdateText(m_record);
}

void VFuncTextEffectPage::onColorTextColorChanged(QColor color)
{
    m_record->TextColor1 = color;
    emit sigUpdateText(m_record);
}

void VFuncTextEffectPage::onCheckGradientstateChanged(bool on)
{
    m_record->TextGradient = on;
    m_gradientColor->setEnabled(on);
    emit sigUpdateText(m_record);
}

void VFuncTextEffectPage::onColorTextColor2Changed(QColor color)
{
    m_record->TextColor2 = color;
    emit sigUpdateText(m_record);
}

void VFuncTextEffectPage::onSingleClicked(QListWidgetItem*)
{
    const int row = m_presetList->currentRow();
    if (row < 0 || row >= static_cast<int>(m_presets.size()))
        return;
    const CWordArtInfo& p = m_presets[static_cast<size_t>(row)];
    CWordArtInfo& r = *m_record;
    r.BkgdColor = p.BkgdColor;
    r.TextColor1 = p.TextColor1;
    r.TextColor2 = p.TextColor2;
    r.OutlineColor1 = p.OutlineColor1;
    r.OutlineColor2 = p.OutlineColor2;
    r.TextEffect = p.TextEffect;
    r.TextPath = p.TextPath;
    r.RenderEnabled = p.RenderEnabled;
    r.OutlineAlpha1 = p.OutlineAlpha1;
    r.OutlineAlpha2 = p.OutlineAlpha2;
    r.OutlineThickness1 = p.OutlineThickness1;
    r.OutlineThickness2 = p.OutlineThickness2;
    r.ShadowOffsetX = p.ShadowOffsetX;
    r.ShadowOffsetY = p.ShadowOffsetY;
    r.ShadowAlpha = p.ShadowAlpha;
    r.EnableShadow = p.EnableShadow;
    r.ShadowColor = p.ShadowColor;
    r.ShadowThickness = p.ShadowThickness;
    r.PngRendering = p.PngRendering;
    r.TextGradient = p.TextGradient;
    r.Modified = p.Modified;
    r.DiffusedShadow = p.DiffusedShadow;
    r.ExtrudedText = p.ExtrudedText;
    r.BegAlpha = p.BegAlpha;
    r.EndAlpha = p.EndAlpha;
    r.Shown = p.Shown;
    r.EnableReflection = p.EnableReflection;
    r.EnableBackground = p.EnableBackground;
    UpdateUI();
    emit sigUpdateText(m_record);
}

void VFuncTextEffectPage::onBtnOutlineClicked()
{
    m_outlineButton->showMenu();
}

void VFuncTextEffectPage::onBtnShadowClicked()
{
    m_shadowButton->showMenu();
}

void VFuncTextEffectPage::onBtnBackgroundClicked()
{
    m_backgroundButton->showMenu();
}

void VFuncTextEffectPage::onUpdateUI()
{
    if (!m_pending)
        return;
    m_pending = false;
    emit sigUpdateText(m_record);
}
