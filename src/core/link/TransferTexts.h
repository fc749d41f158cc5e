#pragma once
// What a transfer tells its user, in English or Chinese.
#include <string>
#include <vector>

#include "core/lang/Language.h"
#include "core/link/TransferRanges.h"

struct TransferResult;

// The progress caption of a main transfer: "Read Data" or "Write Data".
const char* TransferCaption(Direction direction, Language language);
// The caption of the read-back that verifies a Write: "Verify".
const char* VerifyCaption(Language language);

// The message box texts of the outcomes.
const char* PortOpenFailedMessage(Language language);
const char* CommunicationErrorMessage(Language language);
const char* CancelledMessage(Language language);
// What the window's status bar says after a transfer that succeeded.
const char* TransferCompleteText(Direction direction, Language language);
const char* ServicePortOpenFailedMessage(Language language);
const char* ServiceSuccessMessage(Direction direction, Language language);
const char* ServiceCommunicationErrorMessage(Direction direction, Language language);

// For a failed or cancelled main transfer, what happened in plain words: the
// step that failed, and for a Write that reached the blocks, that the radio
// now holds a partly written memory. Nothing for a success or a port that did
// not open (the port's probe says why).
std::vector<std::string> TransferFailureDetails(const TransferResult& result, Language language);
// The last of those details alone: after a Write that failed or was
// cancelled once blocks were sent, that the radio holds a partly written
// memory and is to be written again; empty otherwise.
std::string PartlyWrittenLine(const TransferResult& result, Language language);
// The same for the window, whose user writes the table again, not a file.
std::string PartlyWrittenWindowLine(const TransferResult& result, Language language);

// A port's probe: what stands in the way of opening it. '@' stands for the
// owner or the group.
inline constexpr LangText kPortAvailableText = {"available", "可用"};
inline constexpr LangText kPortMissingText = {"missing: no such device", "不存在：没有这个设备"};
inline constexpr LangText kPortBusyText = {"busy: another program has it open", "被占用：另一个程序正在使用它"};
inline constexpr LangText kPortDeniedText = {"permission denied", "没有权限"};
inline constexpr LangText kPortOwnerOnlyText = {
    "permission denied: only its owner '@' may open it; no group has read and write access",
    "没有权限：只有其所有者“@”可以打开它，没有哪个组有读写权限"};
inline constexpr LangText kPortJoinGroupText = {
    "permission denied: the device belongs to group '@'; membership of that group grants access "
    "(sudo usermod -aG @ $USER, then log in again)",
    "没有权限：设备属于组“@”，加入该组即可访问（sudo usermod -aG @ $USER，然后重新登录）"};
inline constexpr LangText kPortNotSerialText = {"not a serial device", "不是串口设备"};
// Followed by the system's reason.
inline constexpr LangText kPortCannotOpenText = {"cannot open: ", "无法打开："};

// The device behind a port: a missing one, the labels of its USB strings.
inline constexpr LangText kDeviceNotPresentText = {"not present", "不存在"};
inline constexpr LangText kDeviceMakerLabel = {"Maker", "制造商"};
inline constexpr LangText kDeviceProductLabel = {"Product", "产品"};
inline constexpr LangText kDeviceSerialLabel = {"Serial number", "序列号"};
inline constexpr LangText kDeviceFieldSeparator = {": ", "："};

// The serial trace: its path, then the system's reason where there is one.
inline constexpr LangText kTraceNotCreatedText = {"Serial trace '%s' cannot be written: %s. Nothing was sent.",
                                                  "无法写入串口跟踪“%s”：%s。没有发送任何数据。"};
inline constexpr LangText kTraceNotSavedText = {"Serial trace '%s' was not saved: %s.", "串口跟踪“%s”未能保存：%s。"};
inline constexpr LangText kTraceWrittenText = {"Serial trace of the last transfer: %s", "最近一次传输的串口跟踪：%s"};

// The read-back after a Write: the first differing address, the radio's
// byte, the byte written and how many differ; or where it stopped and why.
inline constexpr LangText kVerifyDiffersText = {
    "Verify failed: at 0x%03X the radio holds 0x%02X where 0x%02X was written (%d bytes differ)",
    "校验失败：电台在 0x%03X 处为 0x%02X，写入的是 0x%02X（共 %d 字节不同）"};
inline constexpr LangText kVerifyReadBackFailedText = {"Verify failed: the read-back stopped at 0x%03X (%s)",
                                                       "校验失败：回读在 0x%03X 处中断（%s）"};
