#pragma once

#include <optional>
#include <string>
#include <utility>

// A value, or the plain sentence that says why there is none. Readers of
// files hand their callers this instead of throwing.
template <typename T>
class Result {
public:
    static Result Success(T value) {
        Result r;
        r.m_Value = std::move(value);
        return r;
    }
    static Result Failure(std::string error) {
        Result r;
        r.m_Error = std::move(error);
        return r;
    }

    bool Ok() const { return m_Value.has_value(); }
    const T& Value() const { return *m_Value; }
    T& Value() { return *m_Value; }
    const std::string& Error() const { return m_Error; }

private:
    std::optional<T> m_Value;
    std::string m_Error;
};

// The error texts of a place in a text file, as every reader here words them.
inline std::string LineError(int line, const std::string& what) {
    return "line " + std::to_string(line) + ": " + what;
}

inline std::string FileError(const std::string& path, const std::string& error) {
    return path + ", " + error;
}
