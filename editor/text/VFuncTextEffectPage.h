#pragma once
// The "Text Effect" page of the styled-text dialog: effect, text colours and
// gradient, the outline, shadow and background panels, and the presets read
// from "opts/WordArt.xml" shown as thumbnails.
#include "CFQWidget.h"
#include "CWordArtInfo.h"

#include <QColor>
#include <vector>

class QCheckBox;
class QColorCombox;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QTimer;
class QToolButton;
class VBackgroundMenuWidget;
class VOutlineMenuWidget;
class VShadowMenuWidget;

class VFuncTextEffectPage : public CFQWidget
{
    Q_OBJECT
public:
    // parent is the styled-text dialog; record must outlive the page.
    VFuncTextEffectPage(CWordArtInfo* record, QWidget* parent);

    void InitTextEffect();
    // Reads the presets of path in file order; false, with no presets, when
    // the file is missing, unreadable or not a presets file.
    bool LoadWordArtXML(const QString& path);
    // The presets of path, or the built-in set when path gives none.
    void LoadPresets(const QString& path);
    void InitView();
    QMenu* CreateWidgetMenu(QWidget* content);
    // Fills every control and panel from the record without writing back.
    void UpdateUI();
    void SetComboBoxTextEffect();

    const std::vector<CWordArtInfo>& Presets() const { return m_presets; }

    // The presets file beside the executable, and the copy built into the program.
    static QString AppPresetsPath();
    static QString EmbeddedPresetsPath();

signals:
    void sigUpdateText(CWordArtInfo* record);

public slots:
    void onComboBoxTextEffectChange(int index);
    void onColorTextColorChanged(QColor color);
    void onCheckGradientstateChanged(bool on);
    void onColorTextColor2Changed(QColor color);
    void onSingleClicked(QListWidgetItem* item);
    void onBtnOutlineClicked();
    void onBtnShadowClicked();
    void onBtnBackgroundClicked();
    void onBtnAnimationClicked() {}
    void onUpdateUI();

private:
    QTimer* m_timer = nullptr;
    bool m_pending = false;
    QWidget* m_parent = nullptr;
    CWordArtInfo* m_record = nullptr;
    QLabel* m_effectLabel = nullptr;
    QComboBox* m_effectBox = nullptr;
    QLabel* m_colorLabel = nullptr;
    QColorCombox* m_textColor = nullptr;
    QCheckBox* m_gradient = nullptr;
    QColorCombox* m_gradientColor = nullptr;
    QToolButton* m_outlineButton = nullptr;
    QToolButton* m_shadowButton = nullptr;
    QToolButton* m_backgroundButton = nullptr;
    VOutlineMenuWidget* m_outlineMenu = nullptr;
    VShadowMenuWidget* m_shadowMenu = nullptr;
    VBackgroundMenuWidget* m_backgroundMenu = nullptr;
    QListWidget* m_presetList = nullptr;
    int m_thumbWidth = 64;
    int m_thumbHeight = 64;
    std::vector<CWordArtInfo> m_presets;
};
