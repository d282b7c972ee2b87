#include "bench/support/bench_viewer.h"

#include <stdio.h>
#include <string.h>

#include <benchmark/benchmark.h>
#include <jpeglib.h>

#include "app/main_window.h"
#include "app/viewer_state.h"
#include "files/file_list.h"
#include "platform/hosts/headless/headless.h"
#include "tests/support/jpeg_writer.h"

void DecodeOnly(const std::string &path, unsigned denominator)
{
    FILE *stream = OpenForReading(path);
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, stream);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.scale_num = 1;
    cinfo.scale_denom = denominator;
    jpeg_start_decompress(&cinfo);
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                cinfo.output_width * cinfo.output_components, 1);
    while (cinfo.output_scanline < cinfo.output_height) jpeg_read_scanlines(&cinfo, row, 1);
    benchmark::DoNotOptimize(row[0][0]);
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    fclose(stream);
}

HWND StartHeadlessViewer(const std::string &folder)
{
    ResetViewerState();
    strncpy(g_viewer.folder, folder.c_str(), MAX_PATH - 1);
    BuildFileList();
    HINSTANCE instance = GetModuleHandleA(NULL);
    RegisterViewerClass(instance);
    CreateViewerWindow(instance, SW_SHOWDEFAULT);
    HWND hwnd = headless::MainWindow();
    headless::PumpUntilIdle();
    return hwnd;
}
