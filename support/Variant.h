// The value that the suite's routines accept where any kind of value may be passed
// (settings written, numbers formatted into columns, list search keys).
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace variant_types {
struct Absent {};  // left out, or nothing stored
struct Nul {};     // an explicit null
struct Monnaie {   // currency: a fixed-point number with four decimals
    int64_t dixMillièmes = 0;
};
struct Date {  // an OLE Automation date
    double jours = 0;
};
struct Autre {};  // an object, an error code, a byte ...: nothing the routines can use
}  // namespace variant_types

using Absent = variant_types::Absent;
using Nul = variant_types::Nul;
using Monnaie = variant_types::Monnaie;
using DateV = variant_types::Date;
using Autre = variant_types::Autre;

// Alternatives in this order: absent, null, integer (16 bits), long (32 bits), single,
// double, currency, date, boolean, text, other.
using Variant = std::variant<Absent, Nul, int16_t, int32_t, float, double, Monnaie, DateV, bool,
                             std::string, Autre>;

inline bool EstTexte(const Variant& v) {
    return std::holds_alternative<std::string>(v);
}
inline bool EstAbsent(const Variant& v) {
    return std::holds_alternative<Absent>(v);
}
inline bool EstNul(const Variant& v) {
    return std::holds_alternative<Nul>(v);
}
// Integer, long, single, double or currency.
inline bool EstNombre(const Variant& v) {
    return std::holds_alternative<int16_t>(v) || std::holds_alternative<int32_t>(v) ||
           std::holds_alternative<float>(v) || std::holds_alternative<double>(v) ||
           std::holds_alternative<Monnaie>(v);
}
