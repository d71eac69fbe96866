// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <memory>
#include <string>
#include <string_view>

/// @file
/// What the module asks of the host CAD program's drawing database: its
/// layer table and its line type table, walked record by record in table
/// order, shaped after the host SDK's table walk.

namespace tarvelo::hostcad {

/// A host status: eOk (0) for success, anything else for a failure.
using Status = int;
inline constexpr Status eOk = 0;
inline constexpr Status eInvalidInput = 3;
inline constexpr Status eWasErased = 20;
inline constexpr Status eWasOpenForWrite = 21;
inline constexpr Status eNotOpenForRead = 22;
inline constexpr Status eFileAccessErr = 30;

enum class OpenMode { ForRead, ForWrite };

/// The host's text holder a record's name is read into. The host keeps
/// Unicode; the module stores names as 8-bit text in code page 1251 and
/// shows them as the host has them.
class HostText {
public:
    // Into the text's own buffer: a walk names thousands of records through one HostText.
    void assignUtf8(std::string_view utf8) { m_utf8.assign(utf8); }
    [[nodiscard]] const std::string& utf8() const { return m_utf8; }
    /// The text in code page 1251; characters it lacks are replaced visibly.
    [[nodiscard]] std::string toAnsi() const;

private:
    std::string m_utf8;
};

/// An opened record of a symbol table; valid until closed.
class ISymbolTableRecord {
public:
    virtual Status getName(HostText& name) const = 0;
    virtual Status close() = 0;

protected:
    ~ISymbolTableRecord() = default;
};

class ISymbolTableIterator {
public:
    virtual ~ISymbolTableIterator() = default;
    /// True after the last record.
    virtual bool done() const = 0;
    virtual void step(bool forward = true, bool skipErased = true) = 0;
    /// Opens the current record; the caller closes it.
    virtual Status getRecord(ISymbolTableRecord*& record, OpenMode mode, bool openErased = false) = 0;
};

/// An opened symbol table; valid until closed.
class ISymbolTable {
public:
    virtual Status newIterator(std::unique_ptr<ISymbolTableIterator>& iterator, bool atBeginning = true,
                               bool skipErased = true) const = 0;
    virtual Status close() = 0;

protected:
    ~ISymbolTable() = default;
};

/// The database on which the tables are opened.
class IDatabase {
public:
    virtual Status getLayerTable(ISymbolTable*& table, OpenMode mode) = 0;
    virtual Status getLinetypeTable(ISymbolTable*& table, OpenMode mode) = 0;

protected:
    ~IDatabase() = default;
};

/// The drawing database the host hands to an entry point; opaque to the
/// module but for the database it leads to.
class IDrawingDatabase {
public:
    virtual IDatabase* database() = 0;

protected:
    ~IDrawingDatabase() = default;
};

}  // namespace tarvelo::hostcad
