// The header reader and the typed-field readers on arbitrary bytes. The first
// input byte k (below 64) is followed by k selector bytes that choose the
// reader for each step; the rest is the stream. Every value read is written
// again and must read back the same.
#include <string>
#include <vector>

#include "FuzzStream.h"

using fuzzing::Check;

namespace {

enum Reader { kInt, kLong, kString, kByte, kBlock, kPng, kReaders };


// Writes one field and reads it back through the same reader.
void RoundTrip(int reader, int32_t value, const std::string& text) {
    SetMnuStream(std::make_unique<forms::MemoryStream>());
    ClearMnuError();
    const int type = reader == kInt ? mftInt : reader == kLong ? mftLong : reader == kByte ? mftByte
                                                                                          : reader == kBlock ? mftBitmap : mftString;
    WriteMnuField(type, value, text);
    MnuStream()->Seek(0, forms::SeekOrigin::Begin);
    switch (reader) {
        case kInt: Check(ReadMnuInt() == value); break;
        case kLong: Check(ReadMnuLong() == value); break;
        case kByte: Check(ReadMnuByte() == static_cast<uint8_t>(value)); break;
        case kBlock: Check(ReadMnuBlock() == text); break;
        default: Check(ReadMnuString() == text); break;
    }
    Check(MnuError() == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const size_t steps = data[0] % 64;
    if (size < 1 + steps) return 0;
    const std::vector<uint8_t> selectors(data + 1, data + 1 + steps);
    fuzzing::UseAsMenuStream(data + 1 + steps, size - 1 - steps);

    ReadMnuHeader();
    const MenuFileHeader& h = MnuHeader();
    Check(h.HdrImages >= -32768 && h.HdrImages <= 32767 && h.HdrObjects >= 0 && h.HdrObjects <= 255);

    struct Value {
        int reader;
        int32_t number;
        std::string text;
    };
    std::vector<Value> good;
    for (uint8_t selector : selectors) {
        ClearMnuError();
        const int reader = selector % kReaders;
        Value v{reader, 0, std::string()};
        switch (reader) {
            case kInt: v.number = ReadMnuInt(); break;
            case kLong: v.number = ReadMnuLong(); break;
            case kString: v.text = ReadMnuString(); break;
            case kByte: v.number = ReadMnuByte(); break;
            case kBlock: v.text = ReadMnuBlock(); break;
            case kPng: {
                forms::PngImage png;
                ReadMnuPNG(png);
                Check(static_cast<size_t>(png.Width()) * png.Height() * 4 == png.Rgba().size());
                continue;
            }
        }
        Check(v.text.size() <= size);
        if (MnuError() == 0) good.push_back(std::move(v));
    }
    for (const Value& v : good) RoundTrip(v.reader, v.number, v.text);
    SetMnuStream(nullptr);
    return 0;
}
