#include "files/span_file.h"

#include <bit>
#include <cstdint>
#include <cerrno>

#include "core/raw_text_file.h"
#include "core/text_file.h"

namespace cn3 {

namespace {

constexpr const char* kWhat = "span file";

// Sequential writing and reading of the packed fields.
class Writer {
  public:
    void byte(std::uint8_t b) { bytes_ += static_cast<char>(b); }
    void int16(std::int16_t v) {
        const auto u = static_cast<std::uint16_t>(v);
        byte(static_cast<std::uint8_t>(u & 0xFF));
        byte(static_cast<std::uint8_t>(u >> 8));
    }
    void float32(float v) {
        const auto u = std::bit_cast<std::uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8) byte(static_cast<std::uint8_t>(u >> shift));
    }
    // 8-bit text cut or blank-filled to the width.
    void text(std::string_view utf8, std::size_t width) {
        std::string latin1 = Utf8ToLatin1(utf8);
        latin1.resize(width, ' ');
        bytes_ += latin1;
    }
    std::string take() { return std::move(bytes_); }

  private:
    std::string bytes_;
};

class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    std::uint8_t byte() { return static_cast<std::uint8_t>(bytes_[at_++]); }
    std::int16_t int16() {
        const std::uint16_t lo = byte(), hi = byte();
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
    }
    float float32() {
        std::uint32_t u = 0;
        for (int shift = 0; shift < 32; shift += 8) u |= std::uint32_t{byte()} << shift;
        return std::bit_cast<float>(u);
    }
    std::string text(std::size_t width) {
        std::string latin1(bytes_.substr(at_, width));
        at_ += width;
        for (char& c : latin1)
            if (c == '\0') c = ' ';
        return Latin1ToUtf8(latin1);
    }

  private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

}  // namespace

std::string PackSpanRecord(const SpanRecord& r) {
    Writer w;
    w.byte(r.metricUnits);
    w.text(r.name, 30);
    w.text(r.date, 15);
    w.text(r.spanId, 20);
    w.text(r.notes, 200);
    w.int16(r.installedTemperature);
    w.byte(r.selectedDistrict);
    for (auto tick : r.userLoadings) w.byte(tick);
    for (const auto& cell : r.loadingCells) w.text(cell, 8);
    for (const auto& name : r.cableNames) w.text(name, 20);
    w.float32(r.bundleDiameter);
    w.byte(r.fixedDiameterFlag);
    for (const auto& entry : r.spanEntries) w.text(entry, 8);
    w.byte(r.sagMode);
    w.byte(r.showTemperatureEffect);
    w.byte(r.showPointOfInterest);
    w.byte(r.showVectorAnalysis);
    return w.take();
}

SpanRecord UnpackSpanRecord(std::string_view bytes) {
    std::string whole(bytes.substr(0, kSpanRecordSize));
    whole.resize(kSpanRecordSize, '\0');
    Reader in(whole);
    SpanRecord r;
    r.metricUnits = in.byte();
    r.name = in.text(30);
    r.date = in.text(15);
    r.spanId = in.text(20);
    r.notes = in.text(200);
    r.installedTemperature = in.int16();
    r.selectedDistrict = in.byte();
    for (auto& tick : r.userLoadings) tick = in.byte();
    for (auto& cell : r.loadingCells) cell = in.text(8);
    for (auto& name : r.cableNames) name = in.text(20);
    r.bundleDiameter = in.float32();
    r.fixedDiameterFlag = in.byte();
    for (auto& entry : r.spanEntries) entry = in.text(8);
    r.sagMode = in.byte();
    r.showTemperatureEffect = in.byte();
    r.showPointOfInterest = in.byte();
    r.showVectorAnalysis = in.byte();
    return r;
}

FileResult<SpanRecord> ReadSpanFile(const std::string& path) {
    // At most 941 bytes are read: the one past a record tells a longer file without reading
    // it whole, and a file whose size says so is not read at all.
    const auto read = ReadRegularFile(kWhat, path, kSpanRecordSize);
    if (!read) return read.error();
    const std::string record = std::to_string(kSpanRecordSize);
    const auto notSpan = [&](const std::string& length) {
        return FileError{kWhat, path, 0, "is " + length + ", so it is not a span file"};
    };
    if (read->tooLong && read->size <= kSpanRecordSize)  // a size the system does not know
        return notSpan("longer than " + record + " bytes");
    const std::uint64_t size = read->tooLong ? read->size : read->bytes.size();
    if (size != kSpanRecordSize)
        return notSpan(std::to_string(size) + " bytes long, not " + record);
    return UnpackSpanRecord(read->bytes);
}

FileStatus WriteSpanFile(const std::string& path, const SpanRecord& record) {
    errno = 0;
    if (!WriteFileAtomically(path, PackSpanRecord(record)))
        return FileError{kWhat, path, 0, FileError::Because("could not be written")};
    return {};
}

}  // namespace cn3
