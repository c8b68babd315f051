// The texts that the operations show, Swedish first, then the second language.
#pragma once

#include "fileops/operation_window.h"

namespace sigillo::texts {

inline constexpr TextPair kNoPlainFile = {u"Ange en existerande fil som inte redan är krypterad.",
                                          u"指定一个现有的文件已加密."};
inline constexpr TextPair kNoEncryptedFile = {u"Ange en existerande fil som är krypterad.",
                                              u"指定一个现有的文件加密."};
inline constexpr TextPair kNoPassword = {u"Ange lösenordet.", u"指定密码."};
inline constexpr TextPair kPasswordMismatch = {u"Lösenorden matchar inte.", u"密码不匹配."};
// The two operations differ in the full stop of the second-language text.
inline constexpr TextPair kEncryptTempExists = {
    u"Den temporära filen (.TMP) som kommer användas finns redan.",
    u"临时文件 (.TMP) 将使用已存在"};
inline constexpr TextPair kDecryptTempExists = {
    u"Den temporära filen (.TMP) som kommer användas finns redan.",
    u"临时文件 (.TMP) 将使用已存在."};
inline constexpr TextPair kCompleteEncryption = {
    u"Filen är nu krypterad till en temporär fil. Vill du fullfölja krypteringen och förstöra "
    u"originalfilen och ersätta den med den krypterade temporära filen?",
    u"现在，到临时文件加密文件。 希望完成加密和销毁原始文件并将其替换为加密的临时文件吗?"};
inline constexpr TextPair kFailed = {u"Ett fel uppstod.", u"出现了一个错误."};
inline constexpr TextPair kWrongPasswordOrDamaged = {
    u"Ett fel uppstod. Antingen har fel lösenord använts eller så är filen skadad.",
    u"出现了一个错误。 该密码不正确，或该文件已损坏."};

// Pass words of the status line; "..." is appended before a pass starts.
inline constexpr TextPair kComputing = {u"Beräknar", u"计算"};
inline constexpr TextPair kEncrypting = {u"Krypterar", u"加密"};
inline constexpr TextPair kDecrypting = {u"Dekrypterar", u"解密"};
inline constexpr TextPair kDestroying = {u"Förstör", u"删除"};

}  // namespace sigillo::texts
