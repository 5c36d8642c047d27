#pragma once

#include "show/patterns.h"

#include <QByteArray>
#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QSpinBox;
class UserDialogs;

// Fill Steps: a pattern for a range of steps of one program, or of the
// scenes. The dialog works on its own copy of the table it is given and
// hands out the filled table through previewChanged whenever a choice
// changes (and once when it is shown), so the caller can show it in the
// overview; it changes nothing itself. After OK the caller applies
// filledTable() or parameters(); after Cancel it puts back its own table.
// Colours are asked for through UserDialogs.
class FillStepsDialog : public QDialog
{
    Q_OBJECT

public:
    // program is zero-based and used for Kind::Programs only.
    FillStepsDialog(const QByteArray &table, Show::Kind kind, int program, UserDialogs &dialogs,
                    QWidget *parent = nullptr);

    [[nodiscard]] Show::FillParameters parameters() const;
    // Shows the given choices (the kind and program stay the dialog's own).
    void setParameters(const Show::FillParameters &parameters);

    // The table with the pattern written in; the table as given while the
    // choices are refused (OK is disabled then and the reason shown).
    [[nodiscard]] QByteArray filledTable() const;

Q_SIGNALS:
    void previewChanged(const QByteArray &table);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void chooseColour(int which);
    void showColour(int which);
    void updateControls();
    void updatePreview();

    QByteArray m_table;
    Show::Kind m_kind;
    int m_program;
    UserDialogs &m_dialogs;
    std::array<Show::Rgb, 2> m_colours{};
    bool m_updating = false;

    QComboBox *m_pattern = nullptr;
    std::array<QLabel *, 2> m_colourLabels{};
    std::array<QPushButton *, 2> m_colourButtons{};
    QLabel *m_directionLabel = nullptr;
    QComboBox *m_direction = nullptr;
    QLabel *m_widthLabel = nullptr;
    QSpinBox *m_width = nullptr;
    QLabel *m_seedLabel = nullptr;
    QSpinBox *m_seed = nullptr;
    QPushButton *m_newSeed = nullptr;
    std::array<QCheckBox *, Show::LampCount> m_lamps{};
    QSpinBox *m_firstStep = nullptr;
    QSpinBox *m_lastStep = nullptr;
    QSpinBox *m_sceneTime = nullptr;
    QSpinBox *m_xfade = nullptr;
    QCheckBox *m_endMarker = nullptr;
    QLabel *m_problem = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
