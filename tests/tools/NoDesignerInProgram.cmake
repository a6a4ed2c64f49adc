# Fails when the program holds code of a designer or of the document: the
# command line works on a quest without them.
execute_process(COMMAND nm -C --defined-only "${PROGRAM}" OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "nm could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "[^\n]*(CMapDesigner|CScreenDesigner|CSheetDesigner|CQuestDoc)::[^\n]*" found "${symbols}")
list(LENGTH found count)
if(count GREATER 0)
  list(GET found 0 first)
  message(FATAL_ERROR "${PROGRAM} holds ${count} symbols of a designer or the document, for example: ${first}")
endif()
