#include "app/cli/cli_options.h"

#include <charconv>
#include <limits>

namespace qinghe::cli {

namespace {

constexpr std::string_view kProgram = "qinghe-keygen-cli";
constexpr std::int32_t kDefaultKindIndex = 3;  // 数字+字母

struct KnownOption {
  std::string_view longName;
  char shortName;  // 0 when there is none
  bool takesValue;
};

constexpr KnownOption kOptions[] = {
    {"length", 'l', true}, {"count", 'n', true},  {"kind", 'k', true},
    {"plain", 'p', false}, {"output", 'o', true}, {"encoding", 0, true},
    {"quiet", 'q', false}, {"help", 'h', false},  {"version", 'V', false},
};

std::string quoted(std::string_view text) {
  return "“" + std::string(text) + "”";
}

UsageError error(std::string message) {
  return {std::string(kProgram) + "：" + std::move(message) + "（用 --help 查看用法）"};
}

std::optional<std::int32_t> parseWholeNumber(std::string_view text, bool& outOfRange) {
  outOfRange = false;
  if (text.empty()) {
    return std::nullopt;
  }
  const bool negative = text.front() == '-';
  const std::string_view digits = negative ? text.substr(1) : text;
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  if (negative) {
    outOfRange = digits.find_first_not_of('0') != std::string_view::npos;
    return outOfRange ? std::nullopt : std::optional<std::int32_t>(0);
  }
  std::int32_t value = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    outOfRange = true;
    return std::nullopt;
  }
  return value;
}

std::string asciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return lower;
}

std::optional<UsageError> applyValue(CliOptions& options, const KnownOption& which,
                                     std::string_view shownName, std::string_view value) {
  if (which.longName == "length" || which.longName == "count") {
    bool outOfRange = false;
    const auto number = parseWholeNumber(value, outOfRange);
    if (!number) {
      return error("选项 " + std::string(shownName) + " 的取值 " + quoted(value) +
                   (outOfRange ? " 超出范围（0 到 2147483647）" : " 不是整数"));
    }
    (which.longName == "length" ? options.length : options.count) = *number;
  } else if (which.longName == "kind") {
    options.kind = findKindByName(value);
    if (options.kind == nullptr) {
      return error("选项 " + std::string(shownName) + " 的取值 " + quoted(value) +
                   " 不是已知的密码类型，可选：数字、字母、符号、数字+字母、数字+字母+符号、"
                   "数字+符号、字母+符号，或 digits、letters、symbols、digits+letters、"
                   "digits+letters+symbols、digits+symbols、letters+symbols");
    }
  } else if (which.longName == "output") {
    if (value.empty()) {
      return error("选项 " + std::string(shownName) + " 的取值为空，应为文件路径");
    }
    options.output = std::string(value);
  } else if (which.longName == "encoding") {
    const std::string lower = asciiLower(value);
    if (lower == "gbk" || lower == "cp936") {
      options.encoding = TextEncoding::gbk;
    } else if (lower == "utf-8" || lower == "utf8") {
      options.encoding = TextEncoding::utf8;
    } else {
      return error("选项 " + std::string(shownName) + " 的取值 " + quoted(value) +
                   " 无效，应为 gbk 或 utf-8");
    }
  }
  return std::nullopt;
}

// The value written on to the option ("--count=5", "-n5"), else the next argument.
std::optional<UsageError> takeValue(CliOptions& options, const KnownOption& which,
                                    const std::string& shown,
                                    std::optional<std::string_view> written,
                                    std::span<const std::string_view> args, std::size_t& i) {
  if (!written && i + 1 >= args.size()) {
    return error("选项 " + shown + " 缺少取值");
  }
  return applyValue(options, which, shown, written ? *written : args[++i]);
}

void applyFlag(CliOptions& options, const KnownOption& which) {
  if (which.longName == "plain") {
    options.plain = true;
  } else if (which.longName == "quiet") {
    options.quiet = true;
  } else if (which.longName == "help") {
    options.action = Action::help;
  } else if (which.longName == "version" && options.action != Action::help) {
    options.action = Action::version;
  }
}

const KnownOption* findLong(std::string_view name) {
  for (const auto& which : kOptions) {
    if (which.longName == name) {
      return &which;
    }
  }
  return nullptr;
}

const KnownOption* findShort(char name) {
  for (const auto& which : kOptions) {
    if (which.shortName != 0 && which.shortName == name) {
      return &which;
    }
  }
  return nullptr;
}

}  // namespace

const PasswordKind* findKindByName(std::string_view name) {
  const std::string lower = asciiLower(name);
  for (const auto& kind : passwordKinds()) {
    if (kind.utf8Text == name || kind.kindText == name || kind.asciiName == lower) {
      return &kind;
    }
  }
  return nullptr;
}

std::variant<CliOptions, UsageError> parseCliOptions(std::span<const std::string_view> args) {
  CliOptions options;
  options.kind = &passwordKinds()[kDefaultKindIndex];
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg.size() > 2 && arg.starts_with("--")) {
      const std::size_t equals = arg.find('=');
      const std::string_view name =
          arg.substr(2, equals == std::string_view::npos ? arg.npos : equals - 2);
      const KnownOption* which = findLong(name);
      if (which == nullptr) {
        return error("未知选项 " + quoted(arg));
      }
      const std::string shown = "--" + std::string(which->longName);
      if (!which->takesValue) {
        if (equals != std::string_view::npos) {
          return error("选项 " + shown + " 不带取值");
        }
        applyFlag(options, *which);
        continue;
      }
      const auto written = equals == std::string_view::npos
                               ? std::nullopt
                               : std::optional<std::string_view>(arg.substr(equals + 1));
      if (auto failure = takeValue(options, *which, shown, written, args, i)) {
        return *failure;
      }
    } else if (arg.size() > 1 && arg.front() == '-' && arg != "--") {
      // Short options: flags may be grouped ("-pq"); a value may follow directly ("-n5").
      for (std::size_t j = 1; j < arg.size(); ++j) {
        const KnownOption* which = findShort(arg[j]);
        if (which == nullptr) {
          return error("未知选项 " + quoted(std::string("-") + arg[j]));
        }
        const std::string shown = std::string("-") + arg[j];
        if (!which->takesValue) {
          applyFlag(options, *which);
          continue;
        }
        const auto written =
            j + 1 < arg.size() ? std::optional<std::string_view>(arg.substr(j + 1)) : std::nullopt;
        if (auto failure = takeValue(options, *which, shown, written, args, i)) {
          return *failure;
        }
        break;
      }
    } else {
      return error("多余的参数 " + quoted(arg));
    }
  }
  return options;
}

std::string helpText() {
  return R"(用法：qinghe-keygen-cli [选项]
成批生成随机密码（取自操作系统的安全随机数），写到文件或标准输出。

  -l, --length N      每个密码的字符数，0 或更大（默认 30）
  -n, --count N       密码个数，0 到 2147483647（默认 1000）
  -k, --kind 类型     字符类型（默认 数字+字母）：
                        数字 / digits          字母 / letters
                        符号 / symbols         数字+字母 / digits+letters
                        数字+符号 / digits+symbols
                        字母+符号 / letters+symbols
                        数字+字母+符号 / digits+letters+symbols
  -p, --plain         只列密码，每行一个；默认是带表头、编号和 ● 标记的清单
  -o, --output 文件   写到文件（先写临时文件，写完再替换，权限 0600）；默认标准输出
      --encoding 编码 表头的编码：gbk 或 utf-8（写文件或管道时默认 gbk，
                      与桌面程序保存的文件相同；写到终端时默认终端的编码）
  -q, --quiet         不显示进度条
  -h, --help          显示本帮助
  -V, --version       显示版本

例：qinghe-keygen-cli -n 5 -l 16 -k digits+letters+symbols --plain
    qinghe-keygen-cli --count 100000 --output 密码.txt

退出码：0 成功；1 无法写出；2 参数有误；255 内存不足。
)";
}

std::string versionText() {
  return "qinghe-keygen-cli 1.0.0（青禾随机密码生成器Ver1.0）\n";
}

}  // namespace qinghe::cli
