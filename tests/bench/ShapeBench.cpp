// Drawing a placed shape at the sizes of the properties dialog's largest
// preview, each against the time of one frame (16 ms) within which a preview
// must follow a slider move. Run by hand: build the target shape_bench and
// start it; it prints each benchmark and whether it meets the frame.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "editor/logic/PNGDraw.h"

namespace {

constexpr double kFrameMs = 16.0;

TAQButton Shape(int kind, int width, int height, int thickness, int rounding) {
    TAQButton obj;
    obj.ObjectKind = PlcShape;
    obj.ObjWidth = width;
    obj.ObjHeight = height;
    obj.ShapeRec.ShapeKind = kind;
    obj.ShapeRec.LineThickness = thickness;
    obj.ShapeRec.LineColor = 0x202020;
    obj.ShapeRec.FillType = editor::FillGradient;
    obj.ShapeRec.FillColor = 0x0000FF;
    obj.ShapeRec.GradientColor = 0xFF8000;
    obj.ShapeRec.CornerRounding = rounding;
    return obj;
}

void Draw(benchmark::State& state, TAQButton obj) {
    for (auto _ : state) {
        if (!editor::DrawShape(obj)) state.SkipWithError("not drawn");
        benchmark::DoNotOptimize(obj.LookPNG.Rgba().data());
    }
}

void BM_RoundRect800x800(benchmark::State& s) { Draw(s, Shape(editor::ShapeRoundRect, 800, 800, 4, 40)); }
void BM_RoundRect800x600(benchmark::State& s) { Draw(s, Shape(editor::ShapeRoundRect, 800, 600, 4, 40)); }
void BM_WideRounding800x800(benchmark::State& s) { Draw(s, Shape(editor::ShapeRoundRect, 800, 800, 12, 400)); }
void BM_SquareRect800x800(benchmark::State& s) { Draw(s, Shape(editor::ShapeSquareRect, 800, 800, 4, 0)); }
void BM_Circle800x800(benchmark::State& s) { Draw(s, Shape(editor::ShapeCircle, 800, 800, 4, 0)); }
void BM_Oval800x600(benchmark::State& s) { Draw(s, Shape(editor::ShapeOval, 800, 600, 4, 0)); }

BENCHMARK(BM_RoundRect800x800)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RoundRect800x600)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WideRounding800x800)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SquareRect800x800)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Circle800x800)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Oval800x600)->Unit(benchmark::kMillisecond)->UseRealTime();

// Adds, after each benchmark, whether it draws within one frame.
class FrameReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const double ms = run.GetAdjustedRealTime();  // in the benchmark's unit, ms
            std::printf("%-32s %7.2f ms (target <= %.0f ms: %s)\n", run.benchmark_name().c_str(), ms, kFrameMs,
                        ms <= kFrameMs ? "met" : "MISSED");
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    FrameReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
