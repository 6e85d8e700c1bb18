#include "rtl/ObjectText.h"

#include <cctype>
#include <cstdlib>
#include <vector>

#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Writer.h"

namespace rtl {
namespace {

enum class TokenKind { End, Identifier, Integer, String, Symbol };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;  // identifier, the string's characters, the symbol, or the integer's digits
    int32_t integer = 0;
    int line = 1;
};

class Lexer {
public:
    explicit Lexer(const std::string& text) : text_(text) { Advance(); }

    const Token& Current() const { return token_; }
    Token Take() {
        Token t = token_;
        Advance();
        return t;
    }
    [[noreturn]] void Fail(const std::string& message) const {
        throw EParserError(Format(consts::SParseError, token_.line, message));
    }
    bool IsSymbol(char c) const { return token_.kind == TokenKind::Symbol && token_.text[0] == c; }
    bool IsKeyword(const char* word) const {
        return token_.kind == TokenKind::Identifier && SameAsciiName(token_.text, word);
    }
    void ExpectSymbol(char c) {
        if (!IsSymbol(c)) Fail(Format(consts::SSymbolExpected, std::string("'") + c + "'"));
        Advance();
    }
    std::string TakeIdentifier() {
        if (token_.kind != TokenKind::Identifier) Fail(consts::SIdentifierExpected);
        return Take().text;
    }

private:
    char Peek(size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

    void SkipBlanks() {
        for (;;) {
            char c = Peek();
            if (c == '\n') ++line_;
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                ++pos_;
            } else if (c == '/' && Peek(1) == '/') {
                while (pos_ < text_.size() && Peek() != '\n') ++pos_;
            } else {
                return;
            }
        }
    }

    void Advance() {
        SkipBlanks();
        token_ = Token();
        token_.line = line_;
        if (pos_ >= text_.size()) return;
        char c = Peek();
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            size_t start = pos_;
            while (std::isalnum(static_cast<unsigned char>(Peek())) || Peek() == '_') ++pos_;
            token_.kind = TokenKind::Identifier;
            token_.text = text_.substr(start, pos_ - start);
        } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '$' ||
                   ((c == '-' || c == '+') && (std::isdigit(static_cast<unsigned char>(Peek(1))) || Peek(1) == '$'))) {
            ReadInteger();
        } else if (c == '\'' || c == '#') {
            ReadString();
        } else {
            token_.kind = TokenKind::Symbol;
            token_.text = std::string(1, c);
            ++pos_;
        }
    }

    void ReadInteger() {
        bool negative = Peek() == '-';
        if (Peek() == '-' || Peek() == '+') ++pos_;
        int base = 10;
        if (Peek() == '$') {
            base = 16;
            ++pos_;
        }
        size_t start = pos_;
        while (std::isxdigit(static_cast<unsigned char>(Peek())) && (base == 16 || std::isdigit(static_cast<unsigned char>(Peek()))))
            ++pos_;
        if (start == pos_) Fail(consts::SValueExpected);
        long long value = std::strtoll(text_.substr(start, pos_ - start).c_str(), nullptr, base);
        if (negative) value = -value;
        // Hex values name bit patterns (colours): taken modulo 2^32, as the format stores them.
        token_.kind = TokenKind::Integer;
        token_.integer = static_cast<int32_t>(static_cast<uint32_t>(value));
    }

    // 'quoted text' with '' for a quote, and #nn character codes, in any sequence.
    void ReadString() {
        token_.kind = TokenKind::String;
        for (;;) {
            if (Peek() == '\'') {
                ++pos_;
                for (;;) {
                    if (pos_ >= text_.size() || Peek() == '\n') Fail(consts::SStringExpected);
                    if (Peek() == '\'') {
                        if (Peek(1) != '\'') break;
                        ++pos_;
                    }
                    token_.text += text_[pos_++];
                }
                ++pos_;
            } else if (Peek() == '#') {
                ++pos_;
                size_t start = pos_;
                while (std::isdigit(static_cast<unsigned char>(Peek()))) ++pos_;
                if (start == pos_) Fail(consts::SStringExpected);
                token_.text += static_cast<char>(std::atoi(text_.substr(start, pos_ - start).c_str()));
            } else {
                return;
            }
        }
    }

    const std::string& text_;
    size_t pos_ = 0;
    int line_ = 1;
    Token token_;
};

class Converter {
public:
    Converter(const std::string& text, TStream& output) : lexer_(text), writer_(output) {}

    void Run() {
        writer_.WriteSignature();
        ConvertObject();
        if (lexer_.Current().kind != TokenKind::End) lexer_.Fail(Format(consts::SSymbolExpected, "End of text"));
        writer_.FlushBuffer();
    }

private:
    void ConvertObject() {
        if (!lexer_.IsKeyword("object")) lexer_.Fail(Format(consts::SSymbolExpected, "'object'"));
        lexer_.Take();
        std::string name;
        std::string className = lexer_.TakeIdentifier();
        if (lexer_.IsSymbol(':')) {
            lexer_.Take();
            name = className;
            className = lexer_.TakeIdentifier();
        }
        writer_.WriteName(className);
        writer_.WriteName(name);
        while (lexer_.Current().kind != TokenKind::End && !lexer_.IsKeyword("object") && !lexer_.IsKeyword("end"))
            ConvertProperty();
        writer_.WriteListEnd();
        while (lexer_.IsKeyword("object")) ConvertObject();
        if (!lexer_.IsKeyword("end")) lexer_.Fail(Format(consts::SSymbolExpected, "'end'"));
        lexer_.Take();
        writer_.WriteListEnd();
    }

    void ConvertProperty() {
        std::string name = lexer_.TakeIdentifier();
        while (lexer_.IsSymbol('.')) {
            lexer_.Take();
            name += "." + lexer_.TakeIdentifier();
        }
        lexer_.ExpectSymbol('=');
        writer_.WriteName(name);
        ConvertValue();
    }

    void ConvertValue() {
        const Token& t = lexer_.Current();
        switch (t.kind) {
            case TokenKind::Integer: writer_.WriteInteger(lexer_.Take().integer); return;
            case TokenKind::String: {
                std::string text = lexer_.Take().text;
                while (lexer_.IsSymbol('+')) {
                    lexer_.Take();
                    if (lexer_.Current().kind != TokenKind::String) lexer_.Fail(consts::SStringExpected);
                    text += lexer_.Take().text;
                }
                writer_.WriteString(text);
                return;
            }
            case TokenKind::Identifier: {
                std::string ident = lexer_.Take().text;
                if (SameAsciiName(ident, "True") || SameAsciiName(ident, "False"))
                    writer_.WriteBoolean(SameAsciiName(ident, "True"));
                else
                    writer_.WriteIdent(ident);
                return;
            }
            case TokenKind::Symbol:
                if (lexer_.IsSymbol('[')) return ConvertSet();
                if (lexer_.IsSymbol('(')) return ConvertList();
                break;
            case TokenKind::End: break;
        }
        lexer_.Fail(consts::SValueExpected);
    }

    void ConvertSet() {
        lexer_.Take();
        std::vector<std::string> elements;
        if (!lexer_.IsSymbol(']')) {
            elements.push_back(lexer_.TakeIdentifier());
            while (lexer_.IsSymbol(',')) {
                lexer_.Take();
                elements.push_back(lexer_.TakeIdentifier());
            }
        }
        lexer_.ExpectSymbol(']');
        writer_.WriteSet(elements);
    }

    void ConvertList() {
        lexer_.Take();
        writer_.WriteListBegin();
        while (!lexer_.IsSymbol(')')) ConvertValue();
        lexer_.Take();
        writer_.WriteListEnd();
    }

    Lexer lexer_;
    TWriter writer_;
};

}  // namespace

void ObjectTextToBinary(const std::string& text, TStream& output) { Converter(text, output).Run(); }

}  // namespace rtl
