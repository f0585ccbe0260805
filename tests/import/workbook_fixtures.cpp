// Writes the workbook fixtures of the import tests and benchmark with libxlsxwriter. A
// program of its own: libxlsxwriter and QuaZip both bring minizip's zip functions, and in
// one process the one loaded first would serve both.
//
//   workbook_fixtures class <path>                 the class workbook of the tests
//   workbook_fixtures inline <path> <rows> [long]  inline strings ("学生1"...), then a
//                                                  cell of <long> characters
//   workbook_fixtures large <path> <rows>          header + rows of number, name, class
#include <xlsxwriter.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string Repeat(const char *text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

// A teacher's workbook: "一班" with a header row, student numbers, a name in rich text, an
// empty row, a merged remark, a decimal and a large number; "二班" without a header;
// "空表" empty.
lxw_error WriteClass(const char *path)
{
    lxw_workbook *workbook = workbook_new(path);
    lxw_format *bold = workbook_add_format(workbook);
    format_set_bold(bold);
    lxw_worksheet *first = workbook_add_worksheet(workbook, "一班");
    worksheet_write_string(first, 0, 0, "学号", nullptr);
    worksheet_write_string(first, 0, 1, "姓名", nullptr);
    worksheet_write_string(first, 0, 2, "备注", nullptr);
    worksheet_write_number(first, 1, 0, 20230105, nullptr);
    worksheet_write_string(first, 1, 1, " 张三 ", nullptr);
    worksheet_write_number(first, 2, 0, 20230106, nullptr);
    lxw_rich_string_tuple surname{bold, const_cast<char *>("李")};
    lxw_rich_string_tuple given{nullptr, const_cast<char *>("四")};
    lxw_rich_string_tuple *rich[] = {&surname, &given, nullptr};
    worksheet_write_rich_string(first, 2, 1, rich, nullptr);
    worksheet_write_number(first, 2, 2, 3.5, nullptr);
    worksheet_write_number(first, 4, 0, 20230107, nullptr);
    worksheet_write_string(first, 4, 1, "王五", nullptr);
    worksheet_merge_range(first, 4, 2, 4, 3, "转入", nullptr);
    worksheet_write_number(first, 5, 0, 20230108, nullptr);
    worksheet_write_string(first, 5, 1, "欧阳娜娜", nullptr);
    worksheet_write_number(first, 5, 2, 1e20, nullptr);

    lxw_worksheet *second = workbook_add_worksheet(workbook, "二班");
    worksheet_write_string(second, 0, 0, "赵六", nullptr);
    worksheet_write_string(second, 1, 0, "孙七", nullptr);
    workbook_add_worksheet(workbook, "空表");
    return workbook_close(workbook);
}

// In constant-memory mode libxlsxwriter writes strings inline.
lxw_error WriteInline(const char *path, int rows, int longCell)
{
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook *workbook = workbook_new_opt(path, &options);
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, "名单");
    for (int row = 0; row < rows; ++row)
        worksheet_write_string(sheet, row, 0, ("学生" + std::to_string(row + 1)).c_str(), nullptr);
    if (longCell > 0)
        worksheet_write_string(sheet, rows, 0, Repeat("长", longCell).c_str(), nullptr);
    return workbook_close(workbook);
}

lxw_error WriteLarge(const char *path, int rows)
{
    static const char *surnames[] = {"张", "李", "王", "赵", "欧阳", "孙", "周", "吴", "郑", "冯"};
    static const char *given[] = {"伟", "芳", "娜", "敏", "静", "磊", "洋", "艳", "杰", "婷"};
    lxw_workbook *workbook = workbook_new(path);
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, "名单");
    worksheet_write_string(sheet, 0, 0, "学号", nullptr);
    worksheet_write_string(sheet, 0, 1, "姓名", nullptr);
    worksheet_write_string(sheet, 0, 2, "班级", nullptr);
    for (int row = 1; row <= rows; ++row) {
        const std::string name = std::string(surnames[row % 10]) + given[row / 10 % 10] + given[row / 100 % 10];
        worksheet_write_number(sheet, row, 0, 20230000 + row, nullptr);
        worksheet_write_string(sheet, row, 1, name.c_str(), nullptr);
        worksheet_write_string(sheet, row, 2, (std::to_string(row % 40 + 1) + "班").c_str(), nullptr);
    }
    return workbook_close(workbook);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s class|inline|large <path> [rows] [long]\n", argv[0]);
        return 2;
    }
    const std::string kind = argv[1];
    const int rows = argc > 3 ? std::atoi(argv[3]) : 0;
    lxw_error result = LXW_ERROR_PARAMETER_VALIDATION;
    if (kind == "class")
        result = WriteClass(argv[2]);
    else if (kind == "inline")
        result = WriteInline(argv[2], rows, argc > 4 ? std::atoi(argv[4]) : 0);
    else if (kind == "large")
        result = WriteLarge(argv[2], rows);
    if (result != LXW_NO_ERROR)
        std::fprintf(stderr, "%s\n", lxw_strerror(result));
    return result == LXW_NO_ERROR ? 0 : 1;
}
