#pragma once
// "Text Options": edits one styled-text record on the "Text" and "Text Effect"
// pages. The caller assigns WordArt, calls InitDialog() (and SetText() when it
// wants the text box refilled), runs exec() and copies WordArt out on Accepted.
#include "CWordArtInfo.h"

#include <QDialog>

class QHBoxLayout;
class QPushButton;
class QTabWidget;
class QVBoxLayout;
class VFuncTextEffectPage;
class VFuncTextPage;

class VTextPropSheetDialog : public QDialog
{
    Q_OBJECT
public:
    explicit VTextPropSheetDialog(QWidget* parent = nullptr);
    ~VTextPropSheetDialog() override;

    // Builds the pages from WordArt; call once, after assigning WordArt.
    void InitDialog();
    // Puts WordArt's text into the text page's box (plain text).
    void SetText();
    void UpdateUI();
    void ChangeLanguage();

    // The record being edited; the pages change it in place.
    CWordArtInfo WordArt;

signals:
    void sigUpdateText(CWordArtInfo* record);

public slots:
    void onButtonOKClicked();
    void onButtonCancelClicked();

private:
    float m_scale = 1.0f;
    QVBoxLayout* m_mainLayout = nullptr;
    QHBoxLayout* m_buttonLayout = nullptr;
    QVBoxLayout* m_clientLayout = nullptr;
    QPushButton* m_buttonOK = nullptr;
    QPushButton* m_buttonCancel = nullptr;
    QTabWidget* m_tabs = nullptr;
    VFuncTextPage* m_textPage = nullptr;
    VFuncTextEffectPage* m_effectPage = nullptr;
};
