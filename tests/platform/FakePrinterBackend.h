#pragma once

#include "platform/Bitmap.h"
#include "platform/PrintJob.h"
#include "platform/PrinterBackend.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace corvane::test {

// A stand-in for the machine's printers: the printers a test configures,
// and every job handed to them, with its pages drawn on bitmaps.
class FakePrinterBackend final : public PrinterBackend {
public:
    static constexpr int kDotsPerInch = 50;

    struct Job {
        PrintSettings settings;
        PrintResult result;
        std::vector<Bitmap> pages;  // at kDotsPerInch, on the job's paper
    };

    std::vector<std::string> printers;   // the default first
    std::map<std::string, Size> papers;  // each printer's own paper, upright
    std::vector<Job> jobs;
    // How often the print system was asked for its printers or a paper.
    int questions = 0;

    std::vector<std::string> PrinterNames() override
    {
        ++questions;
        return printers;
    }
    std::optional<Size> DefaultPaper(const std::string& printerName) override
    {
        ++questions;
        const auto found = papers.find(printerName);
        if (found == papers.end())
            return std::nullopt;
        return found->second;
    }
    PrintResult Print(const PrintSettings& settings, const PageRenderer& render) override
    {
        Job job;
        job.settings = settings;
        job.result = DrawPagesOnBitmaps(settings, kDotsPerInch, render, job.pages);
        jobs.push_back(std::move(job));
        return jobs.back().result;
    }
};

}  // namespace corvane::test
