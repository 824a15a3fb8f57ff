# Who publishes a build: the maintainer's contact and the homepage, given when the packages are
# built (scripts/package.sh passes them from the environment). The project holds no address of
# its own, so the default contact is a reserved .invalid one that reaches nobody, and without a
# homepage the packages name none.
set(KESTRINS_MAINTAINER "" CACHE STRING
  "Maintainer of the packages as \"Name <address>\"; empty for a placeholder that reaches nobody")
set(KESTRINS_HOMEPAGE "" CACHE STRING "Homepage the packages name; empty for none")
if(KESTRINS_MAINTAINER STREQUAL "")
  set(KESTRINS_PACKAGE_MAINTAINER "Kestrins developers <maintainers@kestrins.invalid>")
else()
  set(KESTRINS_PACKAGE_MAINTAINER "${KESTRINS_MAINTAINER}")
endif()
