// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QString>

#include "tarvelo/services/Named.h"

class QBoxLayout;
class QVBoxLayout;
class QDialog;
class QDialogButtonBox;
class QGroupBox;
class QPushButton;

namespace tarvelo::controls {
class CComboLayers;
}
namespace tarvelo::services {
class IMessageService;
}

/// @file
/// The dialog templates of the symbol dialogs: which controls each has,
/// under which identifiers and captions. Behaviour lives in the dialog classes.

namespace tarvelo::dialogs {

class ImageButton;
class SymbolPreview;

using tarvelo::named;

/// The decision buttons every symbol dialog has, named as the caller contract knows them.
enum DecisionId : int { kAcceptButton = 1, kCancelButton = 2 };

/// When the dialog's layer name goes into the block on acceptance.
enum class LayerOnAccept { Always, OnlyForNewSymbol, WhenNotEmpty };

/// What every symbol dialog's template has in common.
struct FrameTemplate {
    int templateId;
    const char* title;
    int propertiesButton;
    int scaleButton;
    const char* scaleCaption;
    int layerCombo;
    const char* propertiesTip;
    const char* scaleTip;
    LayerOnAccept layerOnAccept;
};

inline constexpr const char* kObjectParametersTip = "Параметры объекта";
inline constexpr const char* kObjectPropertiesTip = "Свойства объекта";
inline constexpr const char* kScaleTip = "Коэффициент масштабирования объекта";

inline constexpr FrameTemplate kSectionFrame{
    12003, "Сечение / Разрез", 12020, 12019, "1:1", 12013, kObjectParametersTip, kScaleTip, LayerOnAccept::Always};
inline constexpr FrameTemplate kDivisionFrame{12042, "Разрыв", 12033, 12032, "1.0 : 1.0", 12013, kObjectParametersTip,
                                              kScaleTip, LayerOnAccept::OnlyForNewSymbol};
inline constexpr FrameTemplate kLevelMarkFrame{12043, "Отметка уровня", 12040, 12039, "100 : 1", 12013,
                                               kObjectPropertiesTip, kScaleTip, LayerOnAccept::Always};
inline constexpr FrameTemplate kJoinPointFrame{12055, "Обозначение узла", 12053, 12054, "100:1", 12013,
                                               kObjectPropertiesTip, kScaleTip, LayerOnAccept::OnlyForNewSymbol};
inline constexpr FrameTemplate kNoteFrame{12054, "Выноска", 12049, 12050, "100 : 1", 12048, kObjectParametersTip,
                                          kScaleTip, LayerOnAccept::Always};
inline constexpr FrameTemplate kAxisArrayFrame{12060, "Массив осей", 12084, 12085, "1 : 1", 12002, kObjectParametersTip,
                                               kScaleTip, LayerOnAccept::WhenNotEmpty};
inline constexpr FrameTemplate kWeldFrame{12079, "Сварной шов", 12103, 12104, "100.0 : 1.0", 12002,
                                          kObjectParametersTip, "Масштаб создания объекта", LayerOnAccept::Always};
inline constexpr FrameTemplate kBoundHatchFrame{12078, "Граничная штриховка", 12097, 12098, "100 : 1", 12013,
                                                kObjectParametersTip, kScaleTip, LayerOnAccept::Always};

/// The shared controls, made by createFrameControls and placed by a template.
struct FrameControls {
    QPushButton* properties = nullptr;
    QPushButton* scale = nullptr;
    controls::CComboLayers* layers = nullptr;
    QPushButton* accept = nullptr;
    QPushButton* cancel = nullptr;
    /// Holds accept and cancel in the order of the platform.
    QDialogButtonBox* decision = nullptr;
    SymbolPreview* preview = nullptr;
};

/// Names the dialog after its template and makes the shared controls as its children.
FrameControls createFrameControls(QDialog& dialog, const FrameTemplate& frame, services::IMessageService& messages);

/// Lays the dialog out as the template's column with the preview pane beside
/// it, and gives the column for the template's controls.
QVBoxLayout* addTemplateColumn(QDialog& dialog, const FrameControls& frame);
/// The row under a template's own controls: the layer label and the combo.
void addLayerRow(QBoxLayout& layout, QDialog& dialog, const FrameControls& frame, int labelId);
/// The layer combo in a group box of its own, as most templates hold it.
void addLayerGroup(QBoxLayout& layout, QDialog& dialog, const FrameControls& frame, int groupId,
                   const QString& caption);
/// The bottom row: properties and scale buttons, then accept and cancel.
void addButtonRow(QBoxLayout& layout, const FrameControls& frame);

}  // namespace tarvelo::dialogs
