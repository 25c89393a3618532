#pragma once

#include "platform/Dialog.h"

#include <cstdint>

namespace corvane {

// The modal "Enable Logger" dialog shown before enabling a logger whose
// internal memory already holds data: it tells the memory's size and free
// space and asks whether to append to the stored data or erase it first.
// It sends nothing itself; its caller acts on Choice().
class CEnableIntMem final : public Dialog {
public:
    enum Choice : int { kCancelled = 0, kAppend = 1, kErase = 2 };

    // The memory size and use in kilobytes, as the last state reply gave them.
    CEnableIntMem(std::uint32_t memoryKb, std::uint32_t memoryUsedKb, Window* parent = nullptr);

    int GetChoice() const { return choice_; }
    bool HasFreeSpace() const { return hasFreeSpace_; }

protected:
    bool OnInitDialog() override;
    void OnCancel() override;

private:
    void Choose(int choice);

    std::uint32_t memoryKb_;
    std::uint32_t memoryUsedKb_;
    int choice_ = kCancelled;
    bool hasFreeSpace_ = false;
};

}  // namespace corvane
