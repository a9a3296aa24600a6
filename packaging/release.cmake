# Who makes TagForge, how to reach them and when this version came out, written once: the About
# page's links, the package's maintainer field, its copyright file, its change log and the
# AppStream metadata take these. The version is the project's own (the top-level project() call).
set(TAGFORGE_MAKER "Orbel Soft")
set(TAGFORGE_MAKER_EMAIL "orbel@example.org")
set(TAGFORGE_MAKER_HOME_PAGE "http://tagforge.example.org/")
set(TAGFORGE_MAINTAINER "${TAGFORGE_MAKER} <${TAGFORGE_MAKER_EMAIL}>")

# The release day as the change log writes it (RFC 5322), and as AppStream does (YYYY-MM-DD).
set(TAGFORGE_RELEASE_DATE "Tue, 08 Dec 2026 00:00:00 +0000")
string(REGEX MATCH "^[A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) "
             date_parts "${TAGFORGE_RELEASE_DATE}")
set(release_day_of_month "${CMAKE_MATCH_1}")
set(release_year "${CMAKE_MATCH_3}")
set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND month_names "${CMAKE_MATCH_2}" month_index)
if(NOT date_parts OR month_index LESS 0)
  message(FATAL_ERROR "TAGFORGE_RELEASE_DATE is not an RFC 5322 date: ${TAGFORGE_RELEASE_DATE}")
endif()
math(EXPR month "${month_index} + 1")
string(LENGTH "${month}" month_digits)
if(month_digits EQUAL 1)
  set(month "0${month}")
endif()
set(TAGFORGE_RELEASE_DAY "${release_year}-${month}-${release_day_of_month}")
set(TAGFORGE_RELEASE_YEAR "${release_year}")
