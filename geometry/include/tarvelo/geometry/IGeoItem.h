// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <string>

#include "GeoTypes.h"
#include "IGeoItemTraits.h"

namespace GEOTYPE_DEFINITION {

/// Item kind of a text item; the block's SetItemsText changes these.
inline constexpr std::uint32_t kTextItemKind = 7;

/// One labelled element of a symbol, above all a text, with its own traits
/// and a small map of values.
///
/// The order of the operations, destructor last, is part of the binary contract.
class IGeoItem {
public:
    virtual void SetKind(std::uint32_t kind) = 0;
    virtual std::uint32_t GetKind() const = 0;
    /// Changes the text only; the length stays.
    virtual void SetText(const std::string& text) = 0;
    virtual std::string GetText() const = 0;
    virtual void SetLength(std::uint32_t length) = 0;
    virtual std::uint32_t GetLength() const = 0;
    virtual void SetId(std::uint32_t id) = 0;
    virtual std::uint32_t GetId() const = 0;
    /// The item's own map, borrowed.
    virtual ValueMap& GetValueMap() = 0;
    /// Takes kind, id, text, length, values, style and traits (by the traits'
    /// CopyFrom); false for a null source.
    virtual bool CopyFrom(IGeoItem* source) = 0;
    /// The item's own traits, borrowed.
    virtual IGeoItemTraits* GetTraits() = 0;
    virtual void SetStyle(std::uint16_t style) = 0;
    virtual std::uint16_t GetStyle() const = 0;
    virtual ~IGeoItem() = default;

protected:
    IGeoItem() = default;
    IGeoItem(const IGeoItem&) = default;
    IGeoItem& operator=(const IGeoItem&) = default;
};

}  // namespace GEOTYPE_DEFINITION
