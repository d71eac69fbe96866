// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <string>

namespace EXTEND_DEFINITION {

/// Which symbol a block describes (type and variant) and its two free texts.
///
/// The order of the operations, destructor last, is part of the binary contract.
class IExtData {
public:
    /// False and no change for 0, so a data id once set is never cleared.
    virtual bool SetDataId(std::uint32_t id) = 0;
    virtual std::uint32_t GetDataId() const = 0;
    /// Stores the type; always returns 0.
    virtual std::uint32_t SetSymbolType(std::uint32_t type) = 0;
    virtual std::uint32_t GetSymbolType() const = 0;
    virtual std::uint32_t GetSymbolVariant() const = 0;
    virtual void SetSymbolVariant(std::uint32_t variant) = 0;
    virtual void SetMainText(const std::string& text) = 0;
    virtual std::string GetMainText() const = 0;
    virtual std::uint32_t GetFlags() const = 0;
    virtual void SetFlags(std::uint32_t flags) = 0;
    virtual void SetSubText(const std::string& text) = 0;
    virtual std::string GetSubText() const = 0;
    /// Takes type, variant, both texts, a non-zero data id and the flags; null changes nothing.
    virtual void CopyFrom(IExtData* source) = 0;
    /// Zeroes type, variant and flags and empties the main text; the sub text
    /// and the data id stay.
    virtual void Clear() = 0;
    /// The same as Clear().
    virtual void Reset() = 0;
    virtual ~IExtData() = default;

protected:
    IExtData() = default;
    IExtData(const IExtData&) = default;
    IExtData& operator=(const IExtData&) = default;
};

}  // namespace EXTEND_DEFINITION
