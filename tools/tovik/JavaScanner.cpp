#include "JavaScanner.h"

#include <cctype>
#include <set>
#include <vector>

namespace tovik {

namespace {

// Words and single symbols of the source; comments, string and character literals are dropped
// (a literal stays as one placeholder token so initialisers keep their shape).
std::vector<std::string> Tokens(const std::string& source) {
  std::vector<std::string> tokens;
  size_t i = 0;
  const size_t n = source.size();
  auto isWordChar = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$'; };
  while (i < n) {
    const char c = source[i];
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
    } else if (source.compare(i, 2, "//") == 0) {
      while (i < n && source[i] != '\n') ++i;
    } else if (source.compare(i, 2, "/*") == 0) {
      const size_t end = source.find("*/", i + 2);
      i = end == std::string::npos ? n : end + 2;
    } else if (c == '"' || c == '\'') {
      for (++i; i < n && source[i] != c && source[i] != '\n'; ++i)
        if (source[i] == '\\') ++i;
      ++i;
      tokens.push_back("0");
    } else if (isWordChar(c)) {
      const size_t start = i;
      while (i < n && isWordChar(source[i])) ++i;
      tokens.push_back(source.substr(start, i - start));
    } else {
      tokens.push_back(std::string(1, c));
      ++i;
    }
  }
  return tokens;
}

// Declaration text: words apart by one blank, symbols close to their neighbours.
std::string Joined(const std::vector<std::string>& tokens) {
  std::string text;
  for (const std::string& token : tokens) {
    const bool symbol = !std::isalnum(static_cast<unsigned char>(token[0])) && token[0] != '_' && token[0] != '$';
    const char last = text.empty() ? ' ' : text.back();
    const bool glued = symbol || last == '.' || last == '(' || last == '[' || last == '<';
    if (!text.empty() && !glued) text += ' ';
    text += token;
  }
  return text;
}

struct TMember {
  std::set<std::string> modifiers;
  bool method = false;
  std::string text;
};

struct TType {
  std::string name;
  bool isInterface = false;
  std::string parent;
  std::vector<std::string> interfaces;
  std::vector<TMember> members;
};

const std::set<std::string> kModifiers = {"public", "private", "protected", "static", "final", "abstract",
                                          "synchronized", "native", "transient", "volatile", "strictfp",
                                          "default"};

class TParser {
 public:
  explicit TParser(std::vector<std::string> tokens) : tokens_(std::move(tokens)) {}

  std::vector<TType> Types() {
    while (!AtEnd()) {
      if (Peek() == "package" || Peek() == "import") {
        SkipPast(";");
        continue;
      }
      Modifiers();
      if (IsTypeWord(Peek())) TypeDeclaration();
      else if (!AtEnd()) ++pos_;
    }
    return types_;
  }

 private:
  bool AtEnd() const { return pos_ >= tokens_.size(); }
  const std::string& Peek(size_t ahead = 0) const {
    static const std::string none;
    return pos_ + ahead < tokens_.size() ? tokens_[pos_ + ahead] : none;
  }
  std::string Next() { return AtEnd() ? std::string() : tokens_[pos_++]; }
  static bool IsTypeWord(const std::string& word) { return word == "class" || word == "interface" || word == "enum"; }

  void SkipPast(const std::string& symbol) {
    while (!AtEnd() && Next() != symbol) {
    }
  }

  // Skips a bracketed group starting at the current opening token, nested groups included.
  void SkipGroup() {
    const std::string open = Next();
    const std::string close = open == "{" ? "}" : open == "(" ? ")" : open == "[" ? "]" : ">";
    int depth = 1;
    while (!AtEnd() && depth > 0) {
      const std::string token = Next();
      if (token == open) ++depth;
      else if (token == close) --depth;
    }
  }

  // Skips annotations and collects modifiers.
  std::set<std::string> Modifiers() {
    std::set<std::string> modifiers;
    for (;;) {
      if (Peek() == "@" && Peek(1) != "interface") {
        pos_ += 2;
        while (Peek() == "." ) pos_ += 2;
        if (Peek() == "(") SkipGroup();
      } else if (kModifiers.count(Peek())) {
        modifiers.insert(Next());
      } else {
        return modifiers;
      }
    }
  }

  // A type name with its dots, brackets and type arguments.
  std::vector<std::string> TypeName() {
    std::vector<std::string> name;
    int angle = 0;
    while (!AtEnd()) {
      const std::string& token = Peek();
      if (token == "<") ++angle;
      else if (token == ">") --angle;
      else if (angle == 0) {
        if (token == "{" || token == "," || token == ";") break;
        const bool continues = name.empty() || name.back() == "." || token == "." || token == "[" || token == "]";
        if (!continues) break;
      }
      name.push_back(Next());
    }
    return name;
  }

  void TypeDeclaration() {
    if (Peek() == "@") ++pos_;  // an annotation type declares as an interface
    const std::string kind = Next();
    TType type;
    type.name = Next();
    type.isInterface = kind == "interface";
    if (Peek() == "<") SkipGroup();
    while (!AtEnd() && Peek() != "{") {
      const std::string clause = Next();
      if (clause != "extends" && clause != "implements") continue;
      do {
        if (Peek() == ",") ++pos_;
        const std::string name = Joined(TypeName());
        if (clause == "extends" && !type.isInterface) type.parent = name;
        else type.interfaces.push_back(name);
      } while (Peek() == ",");
    }
    const size_t index = types_.size();
    types_.push_back(type);
    if (AtEnd()) return;
    if (kind == "enum") {
      SkipGroup();
      return;
    }
    ++pos_;
    Body(index);
  }

  void Body(size_t index) {
    while (!AtEnd() && Peek() != "}") {
      if (Peek() == ";") {
        ++pos_;
        continue;
      }
      std::set<std::string> modifiers = Modifiers();
      if (Peek() == "{") {
        SkipGroup();  // an initialiser block
      } else if (IsTypeWord(Peek()) || (Peek() == "@" && Peek(1) == "interface")) {
        TypeDeclaration();
      } else {
        Member(index, modifiers);
      }
    }
    if (!AtEnd()) ++pos_;
  }

  void Member(size_t index, const std::set<std::string>& modifiers) {
    std::vector<std::string> head;
    if (Peek() == "<") SkipGroup();  // a generic method's type parameters
    int angle = 0;
    while (!AtEnd()) {
      const std::string& token = Peek();
      if (token == "<") ++angle;
      if (token == ">") --angle;
      if (angle == 0 && (token == "(" || token == "=" || token == ";" || token == "," || token == "{" || token == "}"))
        break;
      head.push_back(Next());
    }
    if (Peek() == "(") {
      Method(index, modifiers, head);
    } else if (Peek() == "{" || Peek() == "}") {
      if (Peek() == "{") SkipGroup();
    } else {
      Fields(index, modifiers, head);
    }
  }

  void Method(size_t index, const std::set<std::string>& modifiers, const std::vector<std::string>& head) {
    std::vector<std::string> text = head;
    const size_t start = pos_;
    SkipGroup();
    text.insert(text.end(), tokens_.begin() + static_cast<long>(start), tokens_.begin() + static_cast<long>(pos_));
    while (!AtEnd() && Peek() != ";" && Peek() != "{" && Peek() != "}") ++pos_;
    if (Peek() == "{") SkipGroup();
    else if (Peek() == ";") ++pos_;
    Add(index, modifiers, true, Joined(text));
  }

  void Fields(size_t index, const std::set<std::string>& modifiers, std::vector<std::string> head) {
    if (head.empty()) {
      SkipPast(";");
      return;
    }
    const std::vector<std::string> type(head.begin(), head.end() - 1);
    for (;;) {
      Add(index, modifiers, false, Joined(head));
      // Skip an initialiser up to the next declarator or the end of the declaration.
      while (!AtEnd() && Peek() != "," && Peek() != ";" && Peek() != "}") {
        if (Peek() == "{" || Peek() == "(" || Peek() == "[") SkipGroup();
        else ++pos_;
      }
      if (Peek() != ",") break;
      ++pos_;
      head = type;
      while (!AtEnd() && Peek() != "=" && Peek() != "," && Peek() != ";" && Peek() != "}") head.push_back(Next());
    }
    if (Peek() == ";") ++pos_;
  }

  void Add(size_t index, std::set<std::string> modifiers, bool method, const std::string& text) {
    if (types_[index].isInterface) {
      modifiers.insert("public");
      // An interface's fields are constants; its methods are abstract unless they have a body.
      if (!method) modifiers.insert({"static", "final"});
      else if (!modifiers.count("default") && !modifiers.count("static")) modifiers.insert("abstract");
    }
    types_[index].members.push_back({modifiers, method, text});
  }

  std::vector<std::string> tokens_;
  size_t pos_ = 0;
  std::vector<TType> types_;
};

// The ten flag positions: each flag's letter when set, "-" when not; then the declaration.
std::string MemberLine(const TMember& member) {
  auto has = [&](const char* word) { return member.modifiers.count(word) > 0; };
  const bool package = !has("public") && !has("private") && !has("protected");
  const bool flags[10] = {has("static"), has("final"), has("private"), has("protected"), has("public"),
                          !member.method, member.method, has("abstract"), has("synchronized"), package};
  const char* letters = "sfvtulmayp";
  std::string line = "\t";
  for (int i = 0; i < 10; ++i) line += flags[i] ? letters[i] : '-';
  return line + member.text + "\n";
}

}  // namespace

std::string ScanReport(const std::string& source) {
  std::string report;
  for (const TType& type : TParser(Tokens(source)).Types()) {
    report += (type.isInterface ? "Interface = " : "Class = ") + type.name + "\n";
    if (!type.parent.empty()) report += "parent = " + type.parent + "\n";
    for (const std::string& name : type.interfaces) report += "interface = " + name + "\n";
    for (const TMember& member : type.members) report += MemberLine(member);
  }
  return report;
}

}  // namespace tovik
