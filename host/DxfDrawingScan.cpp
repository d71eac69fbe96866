// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DxfDrawingScan.h"

#include <QByteArrayView>
#include <charconv>
#include <cmath>
#include <istream>
#include <streambuf>

#include "DxfBinaryGroupReader.h"
#include "DxfTextGroupReader.h"

namespace tarvelo::host {

namespace {

// Extents beyond this are the "nothing drawn" markers programs write, not a drawing's size.
constexpr double kLargestExtent = 1e19;

// Reads the drawing where it lies in memory instead of copying it into a stream.
class MemoryBuffer final : public std::streambuf {
public:
    explicit MemoryBuffer(std::string_view bytes)
    {
        char* begin = const_cast<char*>(bytes.data());
        setg(begin, begin, begin + bytes.size());
    }
};

std::optional<std::uint64_t> hexNumber(std::string_view text)
{
    text = dxfTrimmed(text);
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::optional<double> number(std::string_view text)
{
    text = dxfTrimmed(text);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || text.empty() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

int releaseOf(std::string_view version)
{
    int release = 0;
    if (version.size() == 6 && version.substr(0, 2) == "AC") {
        const auto [end, error] = std::from_chars(version.data() + 2, version.data() + 6, release);
        if (error != std::errc() || end != version.data() + 6)
            release = 0;
    }
    return release >= 1009 ? release : 1009;
}

// Starts inverted: the first point sets all four bounds, and minX > maxX means none came yet.
struct Extents {
    double minX = HUGE_VAL;
    double maxX = -HUGE_VAL;
    double minY = HUGE_VAL;
    double maxY = -HUGE_VAL;

    void add(double x, double y)
    {
        if (std::abs(x) > kLargestExtent || std::abs(y) > kLargestExtent)
            return;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    [[nodiscard]] std::optional<QRectF> rect() const
    {
        if (minX > maxX)
            return std::nullopt;
        return QRectF(QPointF(minX, minY), QPointF(maxX, maxY));
    }
};

// Walks the groups of the drawing and notes what DxfDrawingScan holds.
class Scanner {
public:
    Scanner(DxfDrawingScan& scan, DxfGroupSource& source, std::uint64_t base, std::string_view bytes,
            const std::string& name)
        : m_scan(scan), m_source(source), m_base(base), m_bytes(bytes), m_name("«" + name + "»")
    {
    }

    bool run(std::string& error);

private:
    enum class Place { BeforeSection, SectionName, InSection };

    bool fail(std::string& error, const std::string& message)
    {
        error = message;
        return false;
    }
    void header(const DxfGroup& group);
    void tables(const DxfGroup& group, std::string_view word);
    void sectionNamed(std::string_view name, std::uint64_t sectionBegin);
    void sectionEnded(std::uint64_t at);
    DxfTableScan* tableNamed(std::string_view name);

    DxfDrawingScan& m_scan;
    DxfGroupSource& m_source;
    std::uint64_t m_base;
    std::string_view m_bytes;
    std::string m_name;

    std::string m_section;
    std::string m_variable;
    std::string m_table;
    bool m_tableNameNext = false;
    bool m_inTableHead = false;
    std::string m_recordType;
    std::string m_recordHandle;
    bool m_codeStyleKnown = false;
    bool m_tablesPlaceKnown = false;
    bool m_entitiesPlaceKnown = false;
    std::optional<double> m_entityX;
    std::optional<double> m_headerMinX;
    std::optional<double> m_headerMaxX;
    Extents m_headerExtents;
    Extents m_entityExtents;
};

bool Scanner::run(std::string& error)
{
    DxfGroup group;
    Place place = Place::BeforeSection;
    std::uint64_t sectionBegin = 0;
    bool anySection = false;
    for (;;) {
        const DxfGroupSource::Result result = m_source.next(group);
        const std::uint64_t begin = m_base + m_source.groupBegin();
        if (result != DxfGroupSource::Result::Group && !anySection)
            return fail(error, "Файл " + m_name + " не является чертежом DXF.");
        if (result == DxfGroupSource::Result::Malformed)
            return fail(error, "Чертёж " + m_name + " повреждён: " + m_source.malformation() + ".");
        if (result == DxfGroupSource::Result::End)
            return fail(error, "Чертёж " + m_name + " обрывается" +
                                   (place == Place::BeforeSection ? ": нет метки конца файла (EOF)"
                                                                  : " в разделе " + m_section) +
                                   ", файл повреждён или записан не полностью.");
        if (!m_codeStyleKnown && !m_scan.style.binary && group.code < 10) {
            m_scan.style.alignedCodes = begin < m_bytes.size() && m_bytes[begin] == ' ';
            m_codeStyleKnown = true;
        }
        if (group.code == 999)
            continue;
        const std::string_view word = group.code == 0 ? dxfTrimmed(group.value) : std::string_view(group.value);
        if (group.code == 5 || group.code == 105) {
            if (const auto handle = hexNumber(group.value)) {
                m_scan.anyHandle = true;
                m_scan.largestHandle = std::max(m_scan.largestHandle, *handle);
            }
        }
        if (place == Place::BeforeSection) {
            if (group.code == 0 && word == "EOF" && anySection) {
                if (!m_tablesPlaceKnown)
                    m_scan.tablesPlace = begin;
                if (!m_entitiesPlaceKnown)
                    m_scan.entitiesPlace = begin;
                m_scan.extents = m_headerExtents.rect() ? m_headerExtents.rect() : m_entityExtents.rect();
                return true;
            }
            if (group.code != 0 || word != "SECTION")
                return fail(error, anySection ? "Чертёж " + m_name + " повреждён: " + m_source.placeOfGroup() +
                                                    " ожидалось начало раздела."
                                              : "Файл " + m_name + " не является чертежом DXF.");
            anySection = true;
            sectionBegin = begin;
            place = Place::SectionName;
        } else if (place == Place::SectionName) {
            if (group.code != 2)
                return fail(error, "Чертёж " + m_name + " повреждён: у раздела " + m_source.placeOfGroup() +
                                       " нет имени.");
            m_section = dxfTrimmed(group.value);
            sectionNamed(m_section, sectionBegin);
            place = Place::InSection;
        } else if (group.code == 0 && (word == "SECTION" || word == "EOF")) {
            return fail(error, "Чертёж " + m_name + " повреждён: раздел " + m_section + " не закрыт.");
        } else if (group.code == 0 && word == "ENDSEC") {
            sectionEnded(begin);
            place = Place::BeforeSection;
        } else if (m_section == "HEADER") {
            header(group);
        } else if (m_section == "TABLES") {
            tables(group, word);
        } else if (m_section == "ENTITIES") {
            if (group.code == 10)
                m_entityX = number(group.value);
            else if (group.code == 20 && m_entityX)
                if (const auto y = number(group.value))
                    m_entityExtents.add(*m_entityX, *y);
            if (group.code != 10)
                m_entityX.reset();
        }
    }
}

void Scanner::sectionNamed(std::string_view name, std::uint64_t sectionBegin)
{
    const bool afterTables = name == "BLOCKS" || name == "ENTITIES" || name == "OBJECTS" ||
                             name == "THUMBNAILIMAGE" || name == "ACDSDATA";
    if (afterTables && !m_tablesPlaceKnown) {
        m_scan.tablesPlace = sectionBegin;
        m_tablesPlaceKnown = true;
    }
    const bool afterEntities = name == "OBJECTS" || name == "THUMBNAILIMAGE" || name == "ACDSDATA";
    if (afterEntities && !m_entitiesPlaceKnown) {
        m_scan.entitiesPlace = sectionBegin;
        m_entitiesPlaceKnown = true;
    }
    if (name == "HEADER")
        m_scan.hasHeader = true;
    else if (name == "TABLES")
        m_scan.hasTables = true;
    else if (name == "ENTITIES")
        m_scan.hasEntities = true;
}

void Scanner::sectionEnded(std::uint64_t at)
{
    if (m_section == "HEADER")
        m_scan.headerEnd = at;
    else if (m_section == "TABLES")
        m_scan.tablesEnd = at;
    else if (m_section == "ENTITIES")
        m_scan.entitiesEnd = at;
}

void Scanner::header(const DxfGroup& group)
{
    if (group.code == 9) {
        m_variable = dxfTrimmed(group.value);
        return;
    }
    const std::string_view value = dxfTrimmed(group.value);
    if (m_variable == "$ACADVER" && group.code == 1) {
        m_scan.version = value;
        m_scan.release = releaseOf(value);
    } else if (m_variable == "$DWGCODEPAGE" && group.code == 3) {
        m_scan.codePage = value;
    } else if (m_variable == "$HANDSEED" && group.code == 5) {
        m_scan.handseedGroup = DxfGroupSpan{m_base + m_source.groupBegin(), m_base + m_source.groupEnd()};
        m_scan.handseed = hexNumber(value).value_or(0);
    } else if (m_variable == "$HANDLING" && group.code == 70) {
        m_scan.handling = value == "0" ? 0 : 1;
    } else if ((m_variable == "$EXTMIN" || m_variable == "$EXTMAX") && (group.code == 10 || group.code == 20)) {
        const std::optional<double> coordinate = number(value);
        std::optional<double>& x = m_variable == "$EXTMIN" ? m_headerMinX : m_headerMaxX;
        if (group.code == 10)
            x = coordinate;
        else if (x && coordinate)
            m_headerExtents.add(*x, *coordinate);
    }
}

DxfTableScan* Scanner::tableNamed(std::string_view name)
{
    if (name == "LAYER")
        return &m_scan.layers;
    if (name == "LTYPE")
        return &m_scan.linetypes;
    if (name == "STYLE")
        return &m_scan.styles;
    return nullptr;
}

void Scanner::tables(const DxfGroup& group, std::string_view word)
{
    if (group.code == 0) {
        if (word == "TABLE") {
            m_tableNameNext = true;
            m_inTableHead = true;
            m_table.clear();
        } else if (word == "ENDTAB") {
            if (DxfTableScan* table = tableNamed(m_table))
                table->end = m_base + m_source.groupBegin();
            m_inTableHead = false;
            m_table.clear();
        } else {
            m_inTableHead = false;
        }
        m_recordType = word;
        m_recordHandle.clear();
        return;
    }
    if (m_tableNameNext) {
        m_tableNameNext = false;
        if (group.code == 2) {
            m_table = dxfTrimmed(group.value);
            if (DxfTableScan* table = tableNamed(m_table))
                table->present = true;
        }
        return;
    }
    DxfTableScan* table = tableNamed(m_table);
    if (m_inTableHead) {
        if (table != nullptr && group.code == 5)
            table->handle = dxfTrimmed(group.value);
        else if (table != nullptr && group.code == 70 && !table->countGroup) {
            table->countGroup = DxfGroupSpan{m_base + m_source.groupBegin(), m_base + m_source.groupEnd()};
            table->count = static_cast<long>(number(group.value).value_or(0.0));
        }
        return;
    }
    if (group.code == 5)
        m_recordHandle = dxfTrimmed(group.value);
    if (group.code != 2)
        return;
    if (table != nullptr && m_recordType == m_table)
        table->names.push_back(group.value);
    if (m_table == "BLOCK_RECORD" &&
        QByteArrayView(dxfTrimmed(group.value)).compare("*Model_Space", Qt::CaseInsensitive) == 0)
        m_scan.modelSpaceHandle = m_recordHandle;
}

std::string lineEndOf(std::string_view text)
{
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos || text[end] == '\n')
        return "\n";
    return end + 1 < text.size() && text[end + 1] == '\n' ? "\r\n" : "\r";
}

}  // namespace

bool DxfDrawingScan::usesHandles() const
{
    if (release >= 1012)
        return true;
    return handling >= 0 ? handling == 1 : anyHandle;
}

std::optional<DxfDrawingScan> DxfDrawingScan::scan(std::string_view bytes, const std::string& displayName,
                                                   std::string& errorUtf8)
{
    errorUtf8.clear();
    DxfDrawingScan scan;
    bool scanned = false;
    if (bytes.substr(0, DxfBinaryGroupReader::kSentinel.size()) == DxfBinaryGroupReader::kSentinel) {
        // The binary reader starts after the sentinel and counts offsets from the file's start.
        MemoryBuffer buffer(bytes.substr(DxfBinaryGroupReader::kSentinel.size()));
        std::istream in(&buffer);
        DxfBinaryGroupReader reader(in);
        scan.style.binary = true;
        Scanner scanner(scan, reader, 0, bytes, displayName);
        scanned = scanner.run(errorUtf8);
        scan.style.twoByteCodes = reader.twoByteCodes();
    } else {
        scan.utf8Marked = bytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark;
        const std::size_t base = scan.utf8Marked ? kUtf8ByteOrderMark.size() : 0;
        MemoryBuffer buffer(bytes.substr(base));
        std::istream in(&buffer);
        scan.style.lineEnd = lineEndOf(bytes.substr(base));
        DxfTextGroupReader reader(in);
        Scanner scanner(scan, reader, base, bytes, displayName);
        scanned = scanner.run(errorUtf8);
    }
    if (!scanned)
        return std::nullopt;
    return scan;
}

}  // namespace tarvelo::host
