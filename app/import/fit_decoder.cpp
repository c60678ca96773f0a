#include "app/import/fit_decoder.h"

#include <array>
#include <cmath>
#include <cstring>
#include <limits>

#include <QCoreApplication>

namespace FitDecoder {
namespace {

constexpr int FileIdMessage = 0;
constexpr int SessionMessage = 18;
constexpr int ActivityMessage = 34;
constexpr int TimestampField = 253;

// Made when thrown, in the language installed by then.
QString Truncated() { return QCoreApplication::translate("FitDecoder", "FIT-Datei abgeschnitten, nicht gelesen"); }
QString Damaged() { return QCoreApplication::translate("FitDecoder", "FIT-Datei beschädigt, nicht gelesen"); }

// CRC-16 with the reflected polynomial 0x8005, as FIT files carry it.
std::uint16_t Crc(std::string_view bytes)
{
    static const std::array<std::uint16_t, 256> table = [] {
        std::array<std::uint16_t, 256> t{};
        for (unsigned i = 0; i < 256; ++i) {
            std::uint16_t crc = static_cast<std::uint16_t>(i);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001) : static_cast<std::uint16_t>(crc >> 1);
            t[i] = crc;
        }
        return t;
    }();
    std::uint16_t crc = 0;
    for (const char c : bytes)
        crc = static_cast<std::uint16_t>((crc >> 8) ^ table[(crc ^ static_cast<unsigned char>(c)) & 0xFF]);
    return crc;
}

unsigned Byte(std::string_view bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

std::uint64_t Unsigned(const unsigned char* p, int size, bool bigEndian)
{
    std::uint64_t value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | p[bigEndian ? i : size - 1 - i];
    return value;
}

struct TFieldDef
{
    int number = 0;
    int size = 0;
    int baseType = 0;
};

struct TMessageDef
{
    bool defined = false;
    bool bigEndian = false;
    int global = 0;
    std::vector<TFieldDef> fields;
    std::size_t bytes = 0; // of a data message, developer fields included
};

// The value of a field, or nothing when it is absent (the type's invalid
// value) or its size does not fit its type.
std::optional<double> FieldValue(const unsigned char* p, const TFieldDef& field, bool bigEndian)
{
    struct TType
    {
        int code;
        int size;
        bool isSigned;
        bool zeroInvalid;
        bool isFloat;
    };
    static constexpr TType types[] = {
        {0x00, 1, false, false, false}, {0x01, 1, true, false, false},  {0x02, 1, false, false, false},
        {0x83, 2, true, false, false},  {0x84, 2, false, false, false}, {0x85, 4, true, false, false},
        {0x86, 4, false, false, false}, {0x88, 4, false, false, true},  {0x89, 8, false, false, true},
        {0x0A, 1, false, true, false},  {0x8B, 2, false, true, false},  {0x8C, 4, false, true, false},
        {0x0D, 1, false, false, false}, {0x8E, 8, true, false, false},  {0x8F, 8, false, false, false},
        {0x90, 8, false, true, false}};
    for (const TType& type : types) {
        if (type.code != field.baseType)
            continue;
        if (type.size != field.size)
            return std::nullopt;
        const std::uint64_t raw = Unsigned(p, type.size, bigEndian);
        const int bits = 8 * type.size;
        const std::uint64_t all = bits == 64 ? ~0ULL : (1ULL << bits) - 1;
        if (type.isFloat) {
            if (raw == all)
                return std::nullopt;
            double value = 0.0;
            if (type.size == 4) {
                const auto narrow = static_cast<std::uint32_t>(raw);
                float f = 0.0F;
                std::memcpy(&f, &narrow, sizeof f);
                value = f;
            } else {
                std::memcpy(&value, &raw, sizeof value);
            }
            return std::isfinite(value) ? std::optional(value) : std::nullopt;
        }
        if (type.zeroInvalid ? raw == 0 : raw == (type.isSigned ? all >> 1 : all))
            return std::nullopt;
        if (type.isSigned && (raw >> (bits - 1)) & 1)
            return -static_cast<double>((~raw & all) + 1);
        return static_cast<double>(raw);
    }
    return std::nullopt;
}

class TFileReader
{
public:
    explicit TFileReader(std::string_view records) : records_(records) {}

    TFitFile Read()
    {
        while (pos_ < records_.size()) {
            const unsigned header = Byte(records_, pos_++);
            if (header & 0x80) {
                // Seconds after the last full timestamp, rolling over every 32 s.
                const std::uint32_t offset = header & 0x1F;
                std::uint32_t time = (lastTime_ & ~0x1FU) + offset;
                if (offset < (lastTime_ & 0x1F))
                    time += 0x20;
                lastTime_ = time;
                Data(definitions_[(header >> 5) & 0x3], time);
            } else if (header & 0x40) {
                Define(definitions_[header & 0x0F], (header & 0x20) != 0);
            } else {
                Data(definitions_[header & 0x0F], std::nullopt);
            }
        }
        return file_;
    }

private:
    void Need(std::size_t bytes) const
    {
        if (records_.size() - pos_ < bytes)
            throw TFitError(Damaged());
    }

    void Define(TMessageDef& def, bool developerFields)
    {
        Need(5);
        def = TMessageDef{};
        def.defined = true;
        def.bigEndian = Byte(records_, pos_ + 1) == 1;
        def.global = static_cast<int>(Unsigned(reinterpret_cast<const unsigned char*>(records_.data() + pos_ + 2), 2,
                                               def.bigEndian));
        const unsigned count = Byte(records_, pos_ + 4);
        pos_ += 5;
        Need(3 * count);
        for (unsigned i = 0; i < count; ++i, pos_ += 3) {
            def.fields.push_back({int(Byte(records_, pos_)), int(Byte(records_, pos_ + 1)), int(Byte(records_, pos_ + 2))});
            def.bytes += Byte(records_, pos_ + 1);
        }
        if (developerFields) {
            Need(1);
            const unsigned developer = Byte(records_, pos_++);
            Need(3 * developer);
            for (unsigned i = 0; i < developer; ++i, pos_ += 3)
                def.bytes += Byte(records_, pos_ + 1);
        }
    }

    void Data(const TMessageDef& def, std::optional<std::uint32_t> compressedTime)
    {
        if (!def.defined)
            throw TFitError(Damaged());
        Need(def.bytes);
        const auto* p = reinterpret_cast<const unsigned char*>(records_.data() + pos_);
        pos_ += def.bytes;
        // Most messages are records: of them only the time is needed.
        if (def.global != FileIdMessage && def.global != SessionMessage && def.global != ActivityMessage) {
            for (const TFieldDef& field : def.fields) {
                if (field.number == TimestampField)
                    if (const auto time = FieldValue(p, field, def.bigEndian))
                        lastTime_ = static_cast<std::uint32_t>(*time);
                p += field.size;
            }
            return;
        }
        std::array<std::optional<double>, 256> values;
        for (const TFieldDef& field : def.fields) {
            values[std::size_t(field.number)] = FieldValue(p, field, def.bigEndian);
            p += field.size;
        }
        if (values[TimestampField])
            lastTime_ = static_cast<std::uint32_t>(*values[TimestampField]);
        else if (compressedTime)
            values[TimestampField] = double(*compressedTime);
        Keep(def.global, values);
    }

    void Keep(int global, const std::array<std::optional<double>, 256>& v)
    {
        const auto get = [&](int field, double scale = 1.0) { return v[std::size_t(field)].value_or(0.0) * scale; };
        if (global == FileIdMessage && v[0]) {
            file_.fileType = static_cast<int>(*v[0]);
        } else if (global == ActivityMessage && v[5] && v[TimestampField]) {
            file_.localOffset = static_cast<long long>(*v[5]) - static_cast<long long>(*v[TimestampField]);
        } else if (global == SessionMessage) {
            TFitSession s;
            // Without a start, the end less the elapsed time.
            const double start = v[2] ? *v[2] : v[TimestampField] ? *v[TimestampField] - get(7, 0.001) : -1.0;
            if (start < 0.0)
                return;
            s.startTime = static_cast<std::uint32_t>(start);
            s.sport = static_cast<int>(get(5));
            s.subSport = static_cast<int>(get(6));
            s.timerSeconds = get(8, 0.001);
            s.distanceMetres = get(9, 0.01);
            s.calories = get(11);
            s.averageHeartRate = get(16);
            s.averageCadence = get(18);
            s.averagePower = get(20);
            s.ascentMetres = get(22);
            s.trainingStress = get(35, 0.1);
            s.workJoules = get(48);
            file_.sessions.push_back(s);
        }
    }

    std::string_view records_;
    std::size_t pos_ = 0;
    std::array<TMessageDef, 16> definitions_{};
    std::uint32_t lastTime_ = 0;
    TFitFile file_;
};

// One FIT file of a chain at the start of bytes; size is set to its length.
TFitFile DecodeOne(std::string_view bytes, std::size_t& size)
{
    const std::size_t headerSize = Byte(bytes, 0);
    if (headerSize < 12 || bytes.size() < headerSize)
        throw TFitError(Truncated());
    const std::size_t dataSize = Unsigned(reinterpret_cast<const unsigned char*>(bytes.data() + 4), 4, false);
    if (headerSize >= 14) {
        const unsigned stored = Byte(bytes, 12) | Byte(bytes, 13) << 8;
        if (stored != 0 && stored != Crc(bytes.substr(0, 12)))
            throw TFitError(QCoreApplication::translate("FitDecoder", "FIT-Datei mit falscher Prüfsumme im Kopf, nicht gelesen"));
    }
    if (bytes.size() - headerSize < dataSize + 2)
        throw TFitError(Truncated());
    size = headerSize + dataSize + 2;
    const unsigned stored = Byte(bytes, size - 2) | Byte(bytes, size - 1) << 8;
    if (stored != Crc(bytes.substr(0, size - 2)))
        throw TFitError(QCoreApplication::translate("FitDecoder", "FIT-Datei mit falscher Prüfsumme, nicht gelesen"));
    return TFileReader(bytes.substr(headerSize, dataSize)).Read();
}

} // namespace

bool LooksLikeFit(std::string_view bytes)
{
    return bytes.size() >= 12 && Byte(bytes, 0) >= 12 && bytes.substr(8, 4) == ".FIT";
}

std::vector<TFitFile> Decode(std::string_view bytes)
{
    if (!LooksLikeFit(bytes))
        throw TFitError(QCoreApplication::translate("FitDecoder", "keine FIT-Datei, nicht gelesen"));
    std::vector<TFitFile> files;
    // Files chained one after the other; anything else after them is ignored.
    while (LooksLikeFit(bytes)) {
        std::size_t size = 0;
        files.push_back(DecodeOne(bytes, size));
        bytes.remove_prefix(size);
    }
    return files;
}

} // namespace FitDecoder
