#include "StyleDialog.h"
#include "ui_StyleDialog.h"

#include "SubtitleFileDialog.h"
#include "SubtitleParser.h"

#include <QDir>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <cmath>

namespace {

QColor OpaqueColour(uint32_t word)
{
    return QColor(int((word >> 24) & 0xFF), int((word >> 16) & 0xFF), int((word >> 8) & 0xFF));
}

uint32_t WithColour(uint32_t word, const QColor& colour)
{
    return (uint32_t(colour.red()) << 24) | (uint32_t(colour.green()) << 16) | (uint32_t(colour.blue()) << 8)
        | (word & 0xFFu);
}

uint32_t WithOpacity(uint32_t word, int opacity)
{
    return (word & 0xFFFFFF00u) | StyleDialog::AlphaOfOpacity(opacity);
}

} // namespace

StyleDialog::StyleDialog(QWidget* parent)
    : QDialog(parent)
    , form(new Ui::StyleDialog)
{
    form->setupUi(this);
    form->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Ok"));
    form->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    setWindowTitle(tr("Style Editor"));
}

StyleDialog::~StyleDialog()
{
    delete form;
}

int StyleDialog::OpacityOfAlpha(uint32_t alpha)
{
    return 100 - int(std::lround(double(alpha & 0xFFu) / 2.55));
}

uint32_t StyleDialog::AlphaOfOpacity(int opacity)
{
    return uint32_t(255 - int(double(opacity) * 2.55)) & 0xFFu;
}

void StyleDialog::InitDialog()
{
    ready = 0;
    origins.clear();
    for (int i = 0; i < styles.size(); ++i)
        origins << i;
    {
        const QSignalBlocker block(form->comboBoxStyle);
        for (const ST_ASS_STYLE& style : qAsConst(styles))
            form->comboBoxStyle->addItem(style.Name);
        form->comboBoxStyle->setEditable(true);
        // Return renames the selected style instead of adding an entry that
        // would stand for no style.
        form->comboBoxStyle->setInsertPolicy(QComboBox::InsertAtCurrent);
        form->comboBoxStyle->installEventFilter(this);
    }
    connect(form->comboBoxStyle->model(), &QAbstractItemModel::dataChanged, this, &StyleDialog::onStyleNamesChanged);

    form->fontComboBox->setFontFilters(QFontComboBox::AllFonts);
    form->fontComboBox->setFixedHeight(30);
    form->comboBoxSize->setEditable(true);
    form->comboBoxSize->setFixedWidth(90);
    form->comboBoxSize->setFixedHeight(30);
    form->comboBoxSize->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^[1-9][0-9]*$")), form->comboBoxSize));
    {
        const QSignalBlocker block(form->comboBoxSize);
        for (int size : QFontDatabase::standardSizes())
            form->comboBoxSize->addItem(QString::number(size));
    }

    {
        const QSignalBlocker block(form->comboBoxStyle);
        form->comboBoxStyle->setCurrentIndex(form->comboBoxStyle->count() - 1);
    }
    UpdateUI();

    connect(form->toolButtonPrimary, &QColorCombox::sigColorChanged, this, &StyleDialog::onPrimaryColorChanged);
    connect(form->toolButtonSecondary, &QColorCombox::sigColorChanged, this, &StyleDialog::onSecondaryColorChanged);
    connect(form->toolButtonOutline, &QColorCombox::sigColorChanged, this, &StyleDialog::onOutlineColorChanged);
    connect(form->toolButtonBack, &QColorCombox::sigColorChanged, this, &StyleDialog::onShadeColorChanged);
}

bool StyleDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Return in the style box renames; it must not also press Ok.
    if (watched == form->comboBoxStyle && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

ST_ASS_STYLE* StyleDialog::Selected()
{
    const int i = form->comboBoxStyle->currentIndex();
    return (i >= 0 && i < styles.size()) ? &styles[i] : nullptr;
}

void StyleDialog::UpdateUI()
{
    ready = 0;
    const ST_ASS_STYLE* style = Selected();
    if (!style)
        return;
    form->fontComboBox->setCurrentText(style->FontName);
    form->comboBoxSize->setCurrentText(QString::number(style->FontSize, 'g', 6));
    form->toolButtonPrimary->SetColor(OpaqueColour(style->PrimaryColour));
    form->toolButtonSecondary->SetColor(OpaqueColour(style->SecondaryColour));
    form->toolButtonOutline->SetColor(OpaqueColour(style->OutlineColour));
    form->toolButtonBack->SetColor(OpaqueColour(style->BackColour));
    form->spinBoxOutline->setValue(int(style->Outline));
    form->spinBoxBack->setValue(int(style->Shadow));
    form->spinBoxLeft->setValue(style->MarginL);
    form->spinBoxRight->setValue(style->MarginR);
    form->spinBoxVertical->setValue(style->MarginV);
    form->checkBoxBold->setChecked(style->Bold != 0);
    form->checkBoxItalic->setChecked(style->Italic != 0);
    form->checkBoxUnderline->setChecked(style->Underline != 0);
    form->checkBoxStrikeout->setChecked(style->StrikeOut != 0);
    form->spinBoxPA->setValue(OpacityOfAlpha(style->PrimaryColour));
    form->spinBoxSA->setValue(OpacityOfAlpha(style->SecondaryColour));
    form->spinBoxOA->setValue(OpacityOfAlpha(style->OutlineColour));
    form->spinBoxSA_2->setValue(OpacityOfAlpha(style->BackColour));
    QRadioButton* const buttons[] = {form->radioButton1, form->radioButton2, form->radioButton3,
                                     form->radioButton4, form->radioButton5, form->radioButton6,
                                     form->radioButton7, form->radioButton8, form->radioButton9};
    for (int n = 1; n <= 9; ++n)
        buttons[n - 1]->setChecked(style->Alignment == n);
    ready = 1;
}

void StyleDialog::on_fontComboBox_currentFontChanged(const QFont& font)
{
    if (ready && Selected())
        Selected()->FontName = font.family();
}

void StyleDialog::on_comboBoxSize_currentTextChanged(const QString& text)
{
    if (ready && Selected())
        Selected()->FontSize = text.toInt();
}

void StyleDialog::on_checkBoxBold_stateChanged(int state)
{
    if (ready && Selected())
        Selected()->Bold = state ? 1 : 0;
}

void StyleDialog::on_checkBoxItalic_stateChanged(int state)
{
    if (ready && Selected())
        Selected()->Italic = state ? 1 : 0;
}

void StyleDialog::on_checkBoxUnderline_stateChanged(int state)
{
    if (ready && Selected())
        Selected()->Underline = state ? 1 : 0;
}

void StyleDialog::on_checkBoxStrikeout_stateChanged(int state)
{
    if (ready && Selected())
        Selected()->StrikeOut = state ? 1 : 0;
}

void StyleDialog::on_spinBoxOutline_valueChanged(int value)
{
    if (ready && Selected())
        Selected()->Outline = value;
}

void StyleDialog::on_spinBoxBack_valueChanged(int value)
{
    if (ready && Selected())
        Selected()->Shadow = value;
}

void StyleDialog::on_spinBoxLeft_valueChanged(int value)
{
    if (ready && Selected())
        Selected()->MarginL = value;
}

void StyleDialog::on_spinBoxRight_valueChanged(int value)
{
    if (ready && Selected())
        Selected()->MarginR = value;
}

void StyleDialog::on_spinBoxVertical_valueChanged(int value)
{
    if (ready && Selected())
        Selected()->MarginV = value;
}

void StyleDialog::SetAlignment(int value)
{
    if (ready && Selected())
        Selected()->Alignment = value;
}

void StyleDialog::on_radioButton1_clicked(bool) { SetAlignment(1); }
void StyleDialog::on_radioButton2_clicked(bool) { SetAlignment(2); }
void StyleDialog::on_radioButton3_clicked(bool) { SetAlignment(3); }
void StyleDialog::on_radioButton4_clicked(bool) { SetAlignment(4); }
void StyleDialog::on_radioButton5_clicked(bool) { SetAlignment(5); }
void StyleDialog::on_radioButton6_clicked(bool) { SetAlignment(6); }
void StyleDialog::on_radioButton7_clicked(bool) { SetAlignment(7); }
void StyleDialog::on_radioButton8_clicked(bool) { SetAlignment(8); }
void StyleDialog::on_radioButton9_clicked(bool) { SetAlignment(9); }

void StyleDialog::on_toolButtonAdd_clicked()
{
    const QString name = form->comboBoxStyle->currentText();
    for (const ST_ASS_STYLE& style : qAsConst(styles)) {
        if (style.Name == name)
            return;
    }
    ST_ASS_STYLE style = SubtitleParser::MakeDefaultStyle();
    style.Name = name;
    style.FontName = QStringLiteral("Arial");
    style.FontSize = 18;
    style.PrimaryColour = 0xFFFFFF00u;
    style.SecondaryColour = 0x00FFFF00u;
    style.OutlineColour = 0x00000000u;
    style.BackColour = 0x00000080u;
    style.Bold = 200;
    style.Italic = style.Underline = style.StrikeOut = 0;
    style.ScaleX = style.ScaleY = 1.0;
    style.Spacing = 0;
    style.BorderStyle = 1;
    style.Outline = 2;
    style.Shadow = 3;
    style.Alignment = 2;
    style.MarginL = style.MarginR = style.MarginV = 20;
    // The style goes into the list before its entry, so that the entry's
    // selection never points past the list.
    styles.append(style);
    origins.append(-1);
    ready = 0;
    {
        const QSignalBlocker block(form->comboBoxStyle);
        form->comboBoxStyle->addItem(name);
        form->comboBoxStyle->setCurrentIndex(form->comboBoxStyle->count() - 1);
    }
    UpdateUI();
}

void StyleDialog::on_toolButtonDel_clicked()
{
    if (styles.size() <= 1)
        return;
    const QString name = form->comboBoxStyle->currentText();
    int index = 0;
    for (int i = 0; i < styles.size(); ++i) {
        if (styles.at(i).Name == name) {
            index = i;
            break;
        }
    }
    // List first, then the entry: the entry selected afterwards must name a
    // style that is already where the list says.
    styles.removeAt(index);
    if (index < origins.size())
        origins.removeAt(index);
    ready = 0;
    {
        const QSignalBlocker block(form->comboBoxStyle);
        form->comboBoxStyle->removeItem(index);
    }
    UpdateUI();
}

void StyleDialog::on_toolButtonOpen_clicked()
{
    const QString path = SubtitleFileDialog::GetOpenFileName(this, tr("Open style file or ass file"),
                                                             tr("Style|ASS file(*.sty *.ass *.ssa)"));
    if (path.isEmpty())
        return;
    SubtitleParser parser;
    parser.setFileName(path);
    if (!parser.ASSParser() || parser.Styles.isEmpty()) {
        // The list is never left without a style.
        Tell(tr("The file %1 holds no subtitle styles.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    styles = parser.Styles;
    origins.clear();
    for (int i = 0; i < styles.size(); ++i)
        origins << -1;
    ready = 0;
    {
        const QSignalBlocker block(form->comboBoxStyle);
        for (int i = form->comboBoxStyle->count() - 1; i >= 0; --i)
            form->comboBoxStyle->removeItem(i);
        for (const ST_ASS_STYLE& style : qAsConst(styles))
            form->comboBoxStyle->addItem(style.Name);
        form->comboBoxStyle->setCurrentIndex(0);
    }
    ready = 1;
    UpdateUI();
}

void StyleDialog::on_toolButtonSave_clicked()
{
    const QString path = SubtitleFileDialog::GetSaveFileName(this, tr("Save style file"), QString(),
                                                             tr("Style file(*.sty)"));
    if (path.isEmpty())
        return;
    SubtitleParser parser;
    parser.Styles = styles;
    if (!parser.SaveSty(path))
        Tell(tr("The style file %1 cannot be written.").arg(QDir::toNativeSeparators(path)));
}

void StyleDialog::on_comboBoxStyle_currentIndexChanged(int)
{
    if (ready)
        UpdateUI();
}

void StyleDialog::onPrimaryColorChanged(QColor color)
{
    if (ready && Selected())
        Selected()->PrimaryColour = WithColour(Selected()->PrimaryColour, color);
}

void StyleDialog::onSecondaryColorChanged(QColor color)
{
    if (ready && Selected())
        Selected()->SecondaryColour = WithColour(Selected()->SecondaryColour, color);
}

void StyleDialog::onOutlineColorChanged(QColor color)
{
    if (ready && Selected())
        Selected()->OutlineColour = WithColour(Selected()->OutlineColour, color);
}

void StyleDialog::onShadeColorChanged(QColor color)
{
    if (ready && Selected())
        Selected()->BackColour = WithColour(Selected()->BackColour, color);
}

void StyleDialog::on_spinBoxPA_valueChanged(int value)
{
    if (ready && Selected())
        Selected()->PrimaryColour = WithOpacity(Selected()->PrimaryColour, value);
}

void StyleDialog::on_spinBoxSA_valueChanged(int value)
{
    if (ready && Selected())
        Selected()->SecondaryColour = WithOpacity(Selected()->SecondaryColour, value);
}

void StyleDialog::on_spinBoxOA_valueChanged(int value)
{
    if (ready && Selected())
        Selected()->OutlineColour = WithOpacity(Selected()->OutlineColour, value);
}

void StyleDialog::on_spinBoxSA_2_valueChanged(int value)
{
    if (ready && Selected())
        Selected()->BackColour = WithOpacity(Selected()->BackColour, value);
}

void StyleDialog::onStyleNamesChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight)
{
    for (int i = topLeft.row(); i <= bottomRight.row(); ++i) {
        if (i >= 0 && i < styles.size())
            styles[i].Name = form->comboBoxStyle->itemText(i);
    }
}

void StyleDialog::Tell(const QString& text)
{
    lastMessage = text;
    QMessageBox::warning(this, windowTitle(), text);
}
