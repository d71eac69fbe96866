// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QComboBox>
#include <string>

namespace tarvelo::hostcad {
class IDrawingDatabase;
}

namespace tarvelo::services {
class IMessageService;
}

namespace tarvelo::controls {

class LayerNameModel;

/// The layer combo of the symbol dialogs: an editable drop-down list of the
/// drawing's layer names in layer table order, bound to the dialog's layer
/// name, which it keeps equal to whatever the user last picked or typed.
/// Items carry only their text. A typed name need not be an existing layer
/// and is not added to the list.
///
/// Names are shown as the drawing has them, also where code page 1251 lacks
/// their characters; the dialog's layer name, which goes into the block, is
/// code page 1251, so the combo tells when the chosen name does not fit it.
///
/// Made for drawings with very many layers: the names go into one model in
/// one step, each is converted for showing only when the popup shows it,
/// and neither the box nor its popup measures every item.
class CComboLayers final : public QComboBox {
    Q_OBJECT

public:
    /// Failures to read the layers are told through `messages`.
    explicit CComboLayers(services::IMessageService& messages, QWidget* parent = nullptr);

    /// Binds the combo to `target` (the dialog's layer name, code page 1251;
    /// the dialog outlives the combo's use of it; null unbinds) and lists
    /// the layers of `drawing`, replacing the items, with the first name in
    /// the box. The target itself is not changed. A null drawing, or one
    /// without layers, leaves the items as they were. A walk that breaks
    /// down half way is told under "Системное окружение" and the names read
    /// so far are listed.
    void FillLayers(hostcad::IDrawingDatabase* drawing, std::string* target);

    /// Puts a layer name (code page 1251) into the box without touching the
    /// target, as the dialog does after filling.
    void setLayerName(const std::string& name);

    /// Puts the first listed layer into the box and into the target.
    void pickFirstLayer();

    /// The name last put into the target when code page 1251 cannot hold it
    /// (the target then holds it with '?' in place of what is missing);
    /// empty when the target holds the name unchanged.
    [[nodiscard]] QString unwritableLayerName() const;

    /// The box's text in code page 1251.
    [[nodiscard]] std::string layerName() const;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;
    void showPopup() override;

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void copyToTarget();

    services::IMessageService& m_messages;
    LayerNameModel* m_names;
    std::string* m_target = nullptr;
    QString m_copied;  // what was last copied into the target, as shown
    bool m_edited = false;  // typed into since the target was last set
};

}  // namespace tarvelo::controls
