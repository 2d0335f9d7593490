// A small catalogue file in the catalogue's layout, section by section, so that a test can
// spoil one section and write the file.
#pragma once

#include <string>
#include <vector>

namespace cn3::test {

struct CatalogueFixture {
    std::vector<std::string> help = {"Catenova help", "end", " END", "END"};
    std::vector<std::string> units;
    std::vector<std::string> loadings = {"\"Heavy\", 0, 0.5, 4, 0.3",
                                         "Medium, 15, 0.25, 4, 0.2",
                                         "\"Light\", 30, 0, 9, 0.05",
                                         "\"A name much longer than thirteen\", 32, 0.5, 0, 0",
                                         "\"Wind, extreme\", 60, 0, 20.7, 0",
                                         "\"U1\",15,0.75,2.3,0",
                                         "\"U2\",",
                                         "120, 0,",
                                         "0, 0"};
    std::vector<std::string> temperatures = {"-40, 140, 60"};
    std::vector<std::string> resultKinds = {"1, 8, 9, 8, 4, 2, 0, 4, 4, 4, 0"};
    std::vector<std::string> resultFormats = {
        "\"##0.#;;\", \"#0.000\", \"##0.0\", \"#0.000\", \"##0.00\", \"##,##0\",",
        "\"#0.000\", \"##0.00\", \"##0.00\", \"##0.00\", \"#0.0\""};
    std::vector<std::string> columnKinds = {"0, 3, 3, 3, 5, 6, 2, 2, 0, 0"};
    std::vector<std::string> columnFormats = {
        "\"\", \"##0.0###\", \"##0.0###\", \"##0.000\", \"0.0000000\", \"#0.0000\", \"#,##0\", "
        "\"###,##0\", \"\", \"\""};
    // Columns start at 1, 11, 21, ..., 71.
    std::vector<std::string> headings = {
        "                    Area",
        "          Nominal   Steel     Outside   Thermal   Unit      Axial     Rated",
        "Cable     Size      Area      Diameter  Coeff.    Weight    Stiffness Strength",
        "Name      (in)      (in2)     (in)      (/F)      (lb/ft)   (lb)      (lb)",
        "Name      (mm)      (mm2)     (mm)      (/C)      (kg/m)    (N)       (N)"};
    std::vector<std::string> cables = {
        "", "1/4 EHS   0.25      0.0352    0.240     0.0000064 0.121     950400    6650"};

    CatalogueFixture() {
        for (int k = 0; k <= 13; ++k) {
            const std::string n = std::to_string(k);
            units.push_back(k == 1 ? "\"Temperature\", \"deg F\", \"deg C\", 0.5555556, 32"
                                   : "\"Row " + n + "\", \"E" + n + "\", \"M" + n + "\", " + n +
                                         ".5, 0");
        }
    }

    using Section = std::vector<std::string> CatalogueFixture::*;
    static constexpr Section kOrder[] = {
        &CatalogueFixture::help,        &CatalogueFixture::units,
        &CatalogueFixture::loadings,    &CatalogueFixture::temperatures,
        &CatalogueFixture::resultKinds, &CatalogueFixture::resultFormats,
        &CatalogueFixture::columnKinds, &CatalogueFixture::columnFormats,
        &CatalogueFixture::headings,    &CatalogueFixture::cables};

    // Makes the file end with `last`.
    void dropSectionsAfter(Section last) {
        bool after = false;
        for (Section s : kOrder) {
            if (after) (this->*s).clear();
            after = after || s == last;
        }
    }

    std::vector<std::string> lines() const {
        std::vector<std::string> all;
        for (Section s : kOrder) all.insert(all.end(), (this->*s).begin(), (this->*s).end());
        return all;
    }

    // 1-based number of the first line equal to `text`.
    int lineOf(const std::string& text) const {
        const auto all = lines();
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (all[i] == text) return static_cast<int>(i) + 1;
        }
        return -1;
    }

    std::string bytes(const char* lineEnd = "\r\n") const {
        std::string out;
        for (const auto& line : lines()) out += line + lineEnd;
        return out;
    }
};

}  // namespace cn3::test
