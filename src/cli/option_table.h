// A program's options as one table: per option the parser's entry (letter,
// kind and short text), its text in the extended help and the setting its
// value goes to. The settings' defaults are the member initialisers of the
// program's settings, read by the help as by the run.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "cli/option_parser.h"

// A flag or text slot into its setting; numbers go through option_parser.h's.
inline void read_slot(std::int64_t slot, bool& setting) {
    setting = slot != 0;
}
inline void read_slot(std::int64_t slot, const char*& setting) {
    setting = Bclnp_str(slot);
}

template <typename Settings>
struct OptionRow {
    const char* entry;                              // letter, kind and short text
    const char* long_text;                          // the extended help's text; null: none
    void (*read)(std::int64_t, Settings&);          // a set slot into its setting
    std::int64_t (*default_slot)(const Settings&);  // what the help shows; null: the value given

    // The option whose value goes to the setting settings.*field (a member
    // of the settings, or of a member of them, and so on).
    template <auto... Field>
    static constexpr OptionRow of(const char* entry, const char* long_text = nullptr) {
        return {entry, long_text,
                [](std::int64_t slot, Settings& s) { read_slot(slot, (s.*....*Field)); }, nullptr};
    }

    // The same for a whole number whose default the help shows in place of
    // a value given.
    template <auto... Field>
    static constexpr OptionRow with_default(const char* entry, const char* long_text = nullptr) {
        OptionRow row = of<Field...>(entry, long_text);
        row.default_slot = [](const Settings& s) {
            return std::int64_t{(s.*....*Field)} * kFixedPointOne;
        };
        return row;
    }
};

template <typename Settings, std::size_t N>
class OptionTable {
public:
    constexpr explicit OptionTable(const std::array<OptionRow<Settings>, N>& rows) : rows_(rows) {
        for (std::size_t i = 0; i < N; ++i) {
            entries_[i] = rows[i].entry;
            long_texts_[i] = rows[i].long_text;
        }
    }

    int count() const { return static_cast<int>(N); }
    const char* const* entries() const { return entries_.data(); }
    const char* const* long_texts() const { return long_texts_.data(); }

    // `defaults` with the options set in the value store.
    Settings read(const std::int64_t* values, Settings defaults) const {
        for (std::size_t i = 0; i < N; ++i)
            if (values[i] != 0) rows_[i].read(values[i], defaults);
        return defaults;
    }

    // Writes the defaults the help shows into the store.
    void show_defaults(std::int64_t* values, const Settings& defaults) const {
        for (std::size_t i = 0; i < N; ++i)
            if (rows_[i].default_slot) values[i] = rows_[i].default_slot(defaults);
    }

private:
    std::array<OptionRow<Settings>, N> rows_;
    std::array<const char*, N> entries_{};
    std::array<const char*, N> long_texts_{};
};
