#include "VFuncTextPage.h"

#include "CWordArtInfo.h"
#include "TextMenuControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

VFuncTextPage::VFuncTextPage(CWordArtInfo* record, QWidget* parent)
    : CFQWidget(parent)
    , m_record(record)
    , m_parent(parent)
{
    setContentsMargins(10, 10, 10, 10);

    m_textEdit = new QTextEdit(this);
    m_textEdit->setObjectName(QStringLiteral("textEdit"));
    // Plain text: a text such as "<b>" or "&amp;" is the user's text, not markup.
    m_textEdit->setAcceptRichText(false);
    m_textEdit->setPlainText(m_record->Text);
    m_textEdit->setFont(m_record->Font);

    m_fontBox = new QFontComboBox(this);
    m_fontBox->setObjectName(QStringLiteral("fontBox"));
    m_fontBox->setFontFilters(QFontComboBox::AllFonts);
    m_fontBox->setFixedHeight(30);
    m_fontBox->setCurrentText(m_record->Font.family());

    m_fontLabel = new QLabel(tr("Font"), this);

    m_sizeBox = new QComboBox(this);
    m_sizeBox->setObjectName(QStringLiteral("sizeBox"));
    m_sizeBox->setEditable(true);
    m_sizeBox->setFixedSize(90, 30);
    m_sizeBox->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[1-9][0-9]*$")),
                                                            m_sizeBox));
    const QList<int> sizes = QFontDatabase::standardSizes();
    for (int size : sizes)
        m_sizeBox->addItem(QString::number(size));
    m_sizeBox->setCurrentText(QString::number(m_record->Font.pixelSize()));

    m_sizeLabel = new QLabel(tr("Size"), this);
    m_bold = new QCheckBox(tr("Bold"), this);
    m_bold->setObjectName(QStringLiteral("checkBold"));
    m_italic = new QCheckBox(tr("Italic"), this);
    m_italic->setObjectName(QStringLiteral("checkItalic"));
    m_underline = new QCheckBox(tr("Underline"), this);
    m_underline->setObjectName(QStringLiteral("checkUnderline"));

    auto* grid = new QGridLayout;
    grid->setSpacing(10);
    grid->addWidget(m_fontLabel, 0, 0);
    grid->addWidget(m_fontBox, 0, 1, Qt::AlignLeft);
    grid->addWidget(m_sizeLabel, 1, 0);
    grid->addWidget(m_sizeBox, 1, 1, Qt::AlignLeft);
    grid->addWidget(m_bold, 1, 2);
    grid->addWidget(m_italic, 1, 3);
    grid->addWidget(m_underline, 1, 4);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("pMainWinLayout"));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addLayout(grid);
    layout->addWidget(m_textEdit);

    // Connected after the values are set, so building the page changes nothing.
    connect(m_fontBox, &QFontComboBox::currentFontChanged, this, &VFuncTextPage::changedFont);
    connect(m_sizeBox, &QComboBox::editTextChanged, this, &VFuncTextPage::onFontSizeEditTextChanged);
    connect(m_bold, &QCheckBox::clicked, this, &VFuncTextPage::onButtonBoldClicked);
    connect(m_italic, &QCheckBox::clicked, this, &VFuncTextPage::onButtonItalicClicked);
    connect(m_underline, &QCheckBox::clicked, this, &VFuncTextPage::onButtonUnderlineClicked);
    connect(m_textEdit, &QTextEdit::textChanged, this, &VFuncTextPage::onTexttextChanged);

    m_pending = false;
    m_timer = TextMenuControls::StartUpdateTimer(this);
}

void VFuncTextPage::ShowRecordText()
{
    // Filling from the record: the record already holds this text.
    const QSignalBlocker blocker(m_textEdit);
    m_textEdit->setPlainText(m_record->Text);
}

void VFuncTextPage::onTexttextChanged()
{
    m_record->Text = m_textEdit->toPlainText();
    m_pending = true;
}

void VFuncTextPage::onUpdateUI()
{
    if (!m_pending)
        return;
    m_pending = false;
    emit sigUpdateText(m_record);
}

void VFuncTextPage::changedFont(const QFont& font)
{
    m_record->Font.setFamily(font.family());
    FontChanged();
}

void VFuncTextPage::onFontSizeEditTextChanged(const QString& text)
{
    int size = 0;
    if (!text.isEmpty()) {
        bool ok = false;
        const qlonglong value = text.toLongLong(&ok);
        // The renderer draws nothing larger; a number too long to read is as large.
        const bool digits = std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
        if (ok)
            size = static_cast<int>(std::clamp<qlonglong>(value, 0, CWordArtInfo::kMaxFontPixelSize));
        else if (digits)
            size = CWordArtInfo::kMaxFontPixelSize;
    }
    m_record->FontSize = size;
    if (size > 0)
        m_record->Font.setPixelSize(size);
    FontChanged();
}

void VFuncTextPage::onButtonBoldClicked()
{
    m_record->Font.setWeight(m_record->Font.weight() < 58 ? QFont::Bold : QFont::Normal);
    FontChanged();
}

void VFuncTextPage::onButtonItalicClicked()
{
    m_record->Font.setStyle(m_record->Font.style() == QFont::StyleNormal ? QFont::StyleItalic
                                                                         : QFont::StyleNormal);
    FontChanged();
}

void VFuncTextPage::onButtonUnderlineClicked()
{
    m_record->Font.setUnderline(!m_record->Font.underline());
    FontChanged();
}

void VFuncTextPage::FontChanged()
{
    m_textEdit->setFont(m_record->Font);
    emit sigUpdateText(m_record);
}
