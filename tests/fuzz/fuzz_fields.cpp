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
    TMenuFile mnu(qvfake::Host());
    mnu.SetMnuStream(std::make_unique<forms::MemoryStream>());
    mnu.ClearMnuError();
    const int type = reader == kInt ? mftInt : reader == kLong ? mftLong : reader == kByte ? mftByte
                                                                                          : reader == kBlock ? mftBitmap : mftString;
    mnu.WriteMnuField(type, value, text);
    mnu.MnuStream()->Seek(0, forms::SeekOrigin::Begin);
    switch (reader) {
        case kInt: Check(mnu.ReadMnuInt() == value); break;
        case kLong: Check(mnu.ReadMnuLong() == value); break;
        case kByte: Check(mnu.ReadMnuByte() == static_cast<uint8_t>(value)); break;
        case kBlock: Check(mnu.ReadMnuBlock() == text); break;
        default: Check(mnu.ReadMnuString() == text); break;
    }
    Check(mnu.MnuError() == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const size_t steps = data[0] % 64;
    if (size < 1 + steps) return 0;
    const std::vector<uint8_t> selectors(data + 1, data + 1 + steps);
    auto file = fuzzing::MenuFileOn(data + 1 + steps, size - 1 - steps);
    TMenuFile& mnu = *file;

    mnu.ReadMnuHeader();
    const MenuFileHeader& h = mnu.MnuHeader();
    Check(h.HdrImages >= -32768 && h.HdrImages <= 32767 && h.HdrObjects >= 0 && h.HdrObjects <= 255);

    struct Value {
        int reader;
        int32_t number;
        std::string text;
    };
    std::vector<Value> good;
    for (uint8_t selector : selectors) {
        mnu.ClearMnuError();
        const int reader = selector % kReaders;
        Value v{reader, 0, std::string()};
        switch (reader) {
            case kInt: v.number = mnu.ReadMnuInt(); break;
            case kLong: v.number = mnu.ReadMnuLong(); break;
            case kString: v.text = mnu.ReadMnuString(); break;
            case kByte: v.number = mnu.ReadMnuByte(); break;
            case kBlock: v.text = mnu.ReadMnuBlock(); break;
            case kPng: {
                forms::PngImage png;
                mnu.ReadMnuPNG(png);
                Check(static_cast<size_t>(png.Width()) * png.Height() * 4 == png.Rgba().size());
                continue;
            }
        }
        Check(v.text.size() <= size);
        if (mnu.MnuError() == 0) good.push_back(std::move(v));
    }
    for (const Value& v : good) RoundTrip(v.reader, v.number, v.text);
    return 0;
}
