#include "platform/VbError.h"

#include <map>

namespace myu {

std::string errorDescription(int number) {
  static const std::map<int, std::string> kDescriptions = {
      {err::kInvalidCall, "プロシージャの呼び出し、または引数が不正です。"},
      {err::kOverflow, "オーバーフローしました。"},
      {err::kOutOfMemory, "メモリが不足しています。"},
      {err::kSubscript, "インデックスが有効範囲にありません。"},
      {err::kDivisionByZero, "0 で除算しました。"},
      {err::kTypeMismatch, "型が一致しません。"},
      {err::kBadFileName, "ファイル名または番号が不正です。"},
      {err::kFileNotFound, "ファイルが見つかりません。"},
      {err::kDeviceIo, "デバイス I/O エラーです。"},
      {err::kFileExists, "既に同名のファイルが存在しています。"},
      {err::kDiskFull, "ディスクの空き容量が不足しています。"},
      {err::kInputPastEnd, "ファイルにこれ以上データがありません。"},
      {err::kBadRecordNumber, "レコード番号が不正です。"},
      {err::kPermissionDenied, "書き込みできません。"},
      {err::kPathFileAccess, "パス名が無効です。"},
      {err::kPathNotFound, "パスが見つかりません。"},
      {err::kInvalidPicture, "ピクチャが不正です。"},
  };
  auto it = kDescriptions.find(number);
  if (it != kDescriptions.end()) return it->second;
  return "アプリケーション定義またはオブジェクト定義のエラーです。";
}

VbError::VbError(int number) : VbError(number, errorDescription(number)) {}

VbError::VbError(int number, const std::string& description)
    : std::runtime_error(description), number_(number), description_(description) {}

void raise(int number) {
  throw VbError(number);
}

}  // namespace myu
