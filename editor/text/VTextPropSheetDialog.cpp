#include "VTextPropSheetDialog.h"

#include "VFuncTextEffectPage.h"
#include "VFuncTextPage.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

VTextPropSheetDialog::VTextPropSheetDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Text Options"));
    resize(640, 480);
    QFont font(QStringLiteral("Arial Black"));
    font.setPixelSize(40);
    WordArt.Font = font;
    WordArt.Text = tr("Enter your own content here");
}

VTextPropSheetDialog::~VTextPropSheetDialog() = default;

void VTextPropSheetDialog::InitDialog()
{
    if (m_tabs)
        return;
    m_textPage = new VFuncTextPage(&WordArt, this);
    m_textPage->setObjectName(QStringLiteral("textPage"));
    m_effectPage = new VFuncTextEffectPage(&WordArt, this);
    m_effectPage->setObjectName(QStringLiteral("effectPage"));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabWidget"));
    m_tabs->addTab(m_textPage, tr("Text"));
    m_tabs->addTab(m_effectPage, tr("Text Effect"));
    // Never so small that the effect page's row of controls gets clipped.
    m_tabs->setMinimumSize(QSize(300, 320).expandedTo(m_tabs->minimumSizeHint()));

    auto makeButton = [this](const char* name) {
        auto* button = new QPushButton(this);
        button->setObjectName(QLatin1String(name));
        button->setEnabled(true);
        button->setFixedSize(static_cast<int>(m_scale * 100), static_cast<int>(m_scale * 30));
        button->setAutoFillBackground(false);
        return button;
    };
    m_buttonOK = makeButton("pButtonOK");
    // Shown when the resource is there; without it the button shows its text only.
    m_buttonOK->setIcon(QIcon(QStringLiteral(":/res/Icon/OK.png")));
    m_buttonCancel = makeButton("pButtonCancel");

    m_buttonLayout = new QHBoxLayout;
    m_buttonLayout->setObjectName(QStringLiteral("pHBtnLayout"));
    m_buttonLayout->setContentsMargins(0, 0, 0, 0);
    m_buttonLayout->setSpacing(static_cast<int>(m_scale * 5));
    m_buttonLayout->addStretch();
    m_buttonLayout->addWidget(m_buttonOK, 0, Qt::AlignRight);
    m_buttonLayout->addWidget(m_buttonCancel, 0, Qt::AlignRight);

    const int margin = static_cast<int>(m_scale * 10);
    m_clientLayout = new QVBoxLayout;
    m_clientLayout->setObjectName(QStringLiteral("pVClientLayout"));
    m_clientLayout->setContentsMargins(margin, margin, margin, margin);
    m_clientLayout->setSpacing(margin);
    m_clientLayout->addWidget(m_tabs, 1);
    m_clientLayout->addLayout(m_buttonLayout);
    m_clientLayout->addStretch();

    m_mainLayout = new QVBoxLayout(this);
    m_mainLayout->setObjectName(QStringLiteral("pMainWinLayout"));
    m_mainLayout->setContentsMargins(0, 0, 0, 0);
    m_mainLayout->setSpacing(0);
    m_mainLayout->addLayout(m_clientLayout);

    connect(m_buttonOK, &QPushButton::clicked, this, &VTextPropSheetDialog::onButtonOKClicked);
    connect(m_buttonCancel, &QPushButton::clicked, this, &VTextPropSheetDialog::onButtonCancelClicked);
    connect(m_textPage, &VFuncTextPage::sigUpdateText, this, &VTextPropSheetDialog::sigUpdateText);
    connect(m_effectPage, &VFuncTextEffectPage::sigUpdateText, this, &VTextPropSheetDialog::sigUpdateText);

    ChangeLanguage();
    m_effectPage->UpdateUI();
}

void VTextPropSheetDialog::SetText()
{
    if (m_textPage)
        m_textPage->ShowRecordText();
}

void VTextPropSheetDialog::UpdateUI()
{
    if (m_effectPage)
        m_effectPage->UpdateUI();
}

void VTextPropSheetDialog::ChangeLanguage()
{
    if (m_buttonOK)
        m_buttonOK->setText(tr("Ok"));
    if (m_buttonCancel)
        m_buttonCancel->setText(tr("Cancel"));
}

void VTextPropSheetDialog::onButtonOKClicked()
{
    accept();
}

void VTextPropSheetDialog::onButtonCancelClicked()
{
    reject();
}
