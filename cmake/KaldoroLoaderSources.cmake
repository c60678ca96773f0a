# The sources the year-file loader, the year store and the evaluations need,
# and nothing of the window or the chart: the small builds of the fuzzer and
# of the memcheck tests compile only these.
set(KALDORO_LOADER_SOURCES
  app/csv_text.cpp app/day_folder.cpp app/day_ordered_rows.cpp app/evaluation_selection.cpp
  app/line_reader.cpp app/load_report.cpp app/regular_file.cpp app/string_items.cpp
  app/year_evaluation.cpp app/year_file_loader.cpp app/year_store.cpp)
list(TRANSFORM KALDORO_LOADER_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/../)
