#pragma once
// The "Text" page of the styled-text dialog: font family, pixel size, bold,
// italic, underline and the text. Font changes are reported at once; typing
// is reported at most once per timer tick.
#include "CFQWidget.h"

#include <QFont>

class CWordArtInfo;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QTextEdit;
class QTimer;

class VFuncTextPage : public CFQWidget
{
    Q_OBJECT
public:
    // record must outlive the page.
    VFuncTextPage(CWordArtInfo* record, QWidget* parent);

    // Puts the record's text into the edit box as plain text, without
    // reporting it as an edit.
    void ShowRecordText();

    // Milliseconds between reports of typed text.
    static constexpr int kUpdateInterval = 3000;

signals:
    void sigUpdateText(CWordArtInfo* record);

public slots:
    void onTexttextChanged();
    void onUpdateUI();
    void changedFont(const QFont& font);
    void onFontSizeEditTextChanged(const QString& text);
    void onButtonBoldClicked();
    void onButtonItalicClicked();
    void onButtonUnderlineClicked();

private:
    void FontChanged();

    QTimer* m_timer = nullptr;
    bool m_pending = false;
    CWordArtInfo* m_record = nullptr;
    QWidget* m_parent = nullptr;
    QTextEdit* m_textEdit = nullptr;
    QFontComboBox* m_fontBox = nullptr;
    QLabel* m_fontLabel = nullptr;
    QComboBox* m_sizeBox = nullptr;
    QLabel* m_sizeLabel = nullptr;
    QCheckBox* m_bold = nullptr;
    QCheckBox* m_italic = nullptr;
    QCheckBox* m_underline = nullptr;
};
