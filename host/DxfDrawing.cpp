// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DxfDrawing.h"

#include <cstdlib>
#include <fstream>
#include <new>
#include <system_error>

#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include "DxfBinaryGroupReader.h"
#include "DxfTextGroupReader.h"

namespace tarvelo::host {

using hostcad::eInvalidInput;
using hostcad::eOk;
using hostcad::ISymbolTable;
using hostcad::ISymbolTableIterator;
using hostcad::ISymbolTableRecord;
using hostcad::OpenMode;
using hostcad::Status;

namespace {

// What a binary DXF file begins with before its sentinel is damaged, e.g. by a transfer as text.
constexpr std::string_view kBinaryDxfLabel = "AutoCAD Binary DXF";

std::string quoted(const std::string& name)
{
    return "«" + name + "»";
}

// Gathers what dxflib finds in the header and the tables; everything else it reports is ignored.
class TableCollector final : public DL_CreationAdapter {
public:
    struct RawLayer {
        std::string name;
        int colour;
        bool off;
    };

    std::vector<RawLayer> layers;
    std::vector<std::string> linetypes;

    void addLayer(const DL_LayerData& data) override
    {
        const long long stored = getAttributes().getColor();
        const long long colour = stored < 0 ? -stored : stored;
        // Layers carry no ByLayer or ByBlock colour; a drawing that says so gets the default white.
        const bool indexed = colour >= 1 && colour <= 255;
        layers.push_back({data.name, indexed ? static_cast<int>(colour) : 7, data.off || stored < 0});
    }
    void addLinetype(const DL_LinetypeData& data) override { linetypes.push_back(data.name); }
};

}  // namespace

// Reads the head of a DXF file up to the end of its TABLES section, checking
// its section structure on the way; a file without one is read to its end.
class DxfDrawing::Loader {
public:
    Loader(std::istream& in, const std::string& displayName, const std::string& overrideCharset)
        : m_in(in), m_name(quoted(displayName)), m_overrideCharset(overrideCharset)
    {
    }

    std::unique_ptr<DxfDrawing> load(std::string& error);

private:
    enum class Place { BeforeSection, SectionName, InSection };

    std::unique_ptr<DxfDrawing> fail(std::string& error, std::string message)
    {
        error = std::move(message);
        return nullptr;
    }
    std::unique_ptr<DxfDrawing> readGroups(DxfGroupSource& source, std::string& error);
    std::unique_ptr<DxfDrawing> build();
    std::string notADrawing() const
    {
        return m_binary ? "Двоичный чертёж " + m_name + " повреждён: за меткой формата нет ни одного раздела."
                        : "Файл " + m_name + " не является чертежом DXF.";
    }

    std::istream& m_in;
    std::string m_name;
    std::string m_overrideCharset;
    bool m_binary = false;
    bool m_utf8Marked = false;
    // dxflib's parser leaves some of its members unset and reads them while
    // parsing; building it over zeroed storage makes those reads defined.
    struct ZeroedDxf {
        alignas(DL_Dxf) unsigned char storage[sizeof(DL_Dxf)] = {};
        DL_Dxf* parser = new (storage) DL_Dxf;
        ZeroedDxf() = default;
        ZeroedDxf(const ZeroedDxf&) = delete;
        ZeroedDxf& operator=(const ZeroedDxf&) = delete;
        ~ZeroedDxf() { parser->~DL_Dxf(); }
    } m_dxf;
    TableCollector m_collector;
    // The header variables that decide how names are decoded.
    std::string m_version;
    std::string m_codePage;
};

std::unique_ptr<DxfDrawing> DxfDrawing::Loader::load(std::string& error)
{
    std::string head(DxfBinaryGroupReader::kSentinel.size(), '\0');
    m_in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(m_in.gcount()));
    if (head.empty())
        return fail(error, "Файл " + m_name + " пуст: это не чертёж DXF.");
    if (head == DxfBinaryGroupReader::kSentinel) {
        m_binary = true;
        DxfBinaryGroupReader reader(m_in);
        return readGroups(reader, error);
    }
    if (head.rfind(kBinaryDxfLabel, 0) == 0)
        return fail(error, "Файл " + m_name + " помечен как двоичный DXF, но метка в его начале искажена "
                               "(так бывает, когда файл передают как текст). Прочитать такой чертёж нельзя.");
    m_utf8Marked = head.rfind(kUtf8ByteOrderMark, 0) == 0;
    m_in.clear();
    m_in.seekg(m_utf8Marked ? static_cast<std::streamoff>(kUtf8ByteOrderMark.size()) : 0);
    DxfTextGroupReader reader(m_in);
    return readGroups(reader, error);
}

std::unique_ptr<DxfDrawing> DxfDrawing::Loader::readGroups(DxfGroupSource& source, std::string& error)
{
    DxfGroup group;
    Place place = Place::BeforeSection;
    std::string section;
    std::string variable;
    std::string table;
    bool tableNameNext = false;
    std::string forDxflib;
    bool anySection = false;
    for (;;) {
        const DxfGroupSource::Result result = source.next(group);
        if (result != DxfGroupSource::Result::Group && !anySection)
            return fail(error, notADrawing());
        if (result == DxfGroupSource::Result::Malformed)
            return fail(error, "Чертёж " + m_name + " повреждён: " + source.malformation() + ".");
        if (result == DxfGroupSource::Result::End) {
            if (place == Place::BeforeSection)
                return fail(error, "Чертёж " + m_name + " обрывается после раздела " + section
                                       + ": нет метки конца файла (EOF), файл повреждён или записан не полностью.");
            if (place == Place::SectionName || section == "TABLES")
                return fail(error, "Чертёж " + m_name
                                       + " обрывается до конца раздела таблиц (TABLES): файл повреждён или записан не полностью.");
            return fail(error, "Чертёж " + m_name + " обрывается в разделе " + section
                                   + ": файл повреждён или записан не полностью.");
        }
        if (group.code == 999)
            continue;
        const std::string_view word = group.code == 0 ? dxfTrimmed(group.value) : std::string_view(group.value);
        const bool wasInReadTable = section == "TABLES" && (table == "LAYER" || table == "LTYPE");
        if (place == Place::BeforeSection) {
            // Whatever follows the end of the file is not part of the drawing.
            if (group.code == 0 && word == "EOF" && anySection)
                return build();
            if (group.code != 0 || word != "SECTION") {
                if (!anySection)
                    return fail(error, notADrawing());
                return fail(error, "Чертёж " + m_name + " повреждён: " + source.placeOfGroup()
                                       + " ожидалось начало раздела.");
            }
            anySection = true;
            place = Place::SectionName;
        } else if (place == Place::SectionName) {
            if (group.code != 2)
                return fail(error, "Чертёж " + m_name + " повреждён: у раздела " + source.placeOfGroup()
                                       + " нет имени.");
            section = dxfTrimmed(group.value);
            place = Place::InSection;
        } else if (group.code == 0 && (word == "SECTION" || word == "EOF")) {
            return fail(error, "Чертёж " + m_name + " повреждён: раздел " + section + " не закрыт.");
        } else if (group.code == 0 && word == "ENDSEC") {
            place = Place::BeforeSection;
        } else if (section == "HEADER") {
            if (group.code == 9)
                variable = dxfTrimmed(group.value);
            else if (variable == "$ACADVER")
                m_version = dxfTrimmed(group.value);
            else if (variable == "$DWGCODEPAGE")
                m_codePage = dxfTrimmed(group.value);
        } else if (section == "TABLES" && group.code == 0 && word == "TABLE") {
            table.clear();
            tableNameNext = true;
        } else if (tableNameNext) {
            tableNameNext = false;
            if (group.code == 2)
                table = dxfTrimmed(group.value);
        }
        // dxflib sees the layer and line type tables only; the other tables, blocks and entities are
        // never looked at. The last record of a table reaches it with the group that follows it,
        // whatever that is.
        if (wasInReadTable || (section == "TABLES" && (table == "LAYER" || table == "LTYPE"))) {
            forDxflib.assign(group.code == 0 ? word : std::string_view(group.value).substr(0, DL_DXF_MAXLINE));
            m_dxf.parser->processDXFGroup(&m_collector, group.code, forDxflib);
        }
        if (place == Place::BeforeSection && section == "TABLES")
            return build();
    }
}

std::unique_ptr<DxfDrawing> DxfDrawing::Loader::build()
{
    const DxfNameDecoder decoder(m_version, m_codePage, m_utf8Marked, m_overrideCharset);
    std::unique_ptr<DxfDrawing> drawing(new DxfDrawing);
    drawing->m_version = m_version;
    drawing->m_codePage = m_codePage;
    drawing->m_charset = decoder.charset();
    drawing->m_charsetOrigin = decoder.origin();
    drawing->m_binary = m_binary;
    // A drawing without layer records still has the layer "0", as CAD programs open it.
    if (m_collector.layers.empty())
        m_collector.layers.push_back({"0", 7, false});
    drawing->m_layers.reserve(m_collector.layers.size());
    drawing->m_layerNames.reserve(m_collector.layers.size());
    for (const TableCollector::RawLayer& layer : m_collector.layers) {
        drawing->m_layers.push_back({decoder.toUtf8(layer.name), layer.colour, layer.off});
        drawing->m_layerNames.push_back(drawing->m_layers.back().nameUtf8);
    }
    drawing->m_linetypes.reserve(m_collector.linetypes.size());
    for (const std::string& name : m_collector.linetypes)
        drawing->m_linetypes.push_back(decoder.toUtf8(name));
    return drawing;
}

class DxfDrawing::Record final : public ISymbolTableRecord {
public:
    explicit Record(const std::string& name) : m_name(name) {}

    Status getName(hostcad::HostText& name) const override
    {
        name.assignUtf8(m_name);
        return eOk;
    }
    Status close() override
    {
        delete this;
        return eOk;
    }

private:
    ~Record() = default;

    const std::string& m_name;
};

class DxfDrawing::Iterator final : public ISymbolTableIterator {
public:
    explicit Iterator(const std::vector<std::string>& names) : m_names(names) {}

    bool done() const override { return m_position >= m_names.size(); }
    void step(bool forward, bool) override
    {
        if (forward && !done())
            ++m_position;
    }
    Status getRecord(ISymbolTableRecord*& record, OpenMode mode, bool) override
    {
        record = nullptr;
        if (done() || mode != OpenMode::ForRead)
            return eInvalidInput;
        record = new Record(m_names[m_position]);
        return eOk;
    }

private:
    const std::vector<std::string>& m_names;
    std::size_t m_position = 0;
};

class DxfDrawing::Table final : public ISymbolTable {
public:
    explicit Table(const std::vector<std::string>& names) : m_names(names) {}

    Status newIterator(std::unique_ptr<ISymbolTableIterator>& iterator, bool, bool) const override
    {
        iterator = std::make_unique<Iterator>(m_names);
        return eOk;
    }
    Status close() override
    {
        delete this;
        return eOk;
    }

private:
    ~Table() = default;

    const std::vector<std::string>& m_names;
};

std::unique_ptr<DxfDrawing> DxfDrawing::read(std::istream& in, const std::string& displayName, std::string& errorUtf8,
                                             const std::string& overrideCharset)
{
    errorUtf8.clear();
    return Loader(in, displayName, overrideCharset).load(errorUtf8);
}

std::unique_ptr<DxfDrawing> DxfDrawing::open(const std::filesystem::path& path, std::string& errorUtf8,
                                             const std::string& overrideCharset)
{
    const std::string displayName = path.string();
    std::error_code status;
    if (!std::filesystem::exists(path, status)) {
        errorUtf8 = "Файл чертежа " + quoted(displayName) + " не найден.";
        return nullptr;
    }
    if (std::filesystem::is_directory(path, status)) {
        errorUtf8 = quoted(displayName) + " — это папка, а не файл чертежа.";
        return nullptr;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        errorUtf8 = "Не удалось открыть файл чертежа " + quoted(displayName) + ": нет доступа.";
        return nullptr;
    }
    return read(file, displayName, errorUtf8, overrideCharset);
}

// The drawing cannot be changed through this interface: tables open for reading only.
Status DxfDrawing::getLayerTable(ISymbolTable*& table, OpenMode mode)
{
    table = mode == OpenMode::ForRead ? new Table(m_layerNames) : nullptr;
    return table != nullptr ? eOk : eInvalidInput;
}

Status DxfDrawing::getLinetypeTable(ISymbolTable*& table, OpenMode mode)
{
    table = mode == OpenMode::ForRead ? new Table(m_linetypes) : nullptr;
    return table != nullptr ? eOk : eInvalidInput;
}

}  // namespace tarvelo::host
