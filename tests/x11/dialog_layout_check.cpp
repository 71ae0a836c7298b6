// Test program: shows the configuration dialog as vorn builds it (the layout
// and style packed into it, the credits filled in) and checks that every
// text is whole: each label gets at least the size its text needs, and no
// two of the labels, buttons and pictures overlap. Prints each fault and
// exits with 1 if there is one. The tests run it with large text
// (GDK_DPI_SCALE=1.5).
#include <gtk/gtk.h>

#include <cstdio>
#include <string>
#include <vector>

#include "resources/credits.h"

extern "C" void vorn_dialog_register_resource();

namespace {
constexpr const char* kResources = "/org/vorn/dialog/";

struct Piece {
  GtkWidget* widget;
  GdkRectangle box;  // in the window's coordinates
};

std::string Name(GtkWidget* widget) {
  if (GTK_IS_LABEL(widget)) return gtk_label_get_text(GTK_LABEL(widget));
  const char* id = gtk_buildable_get_name(GTK_BUILDABLE(widget));
  return id != nullptr ? id : G_OBJECT_TYPE_NAME(widget);
}

int faults = 0;

void Fault(const std::string& what) {
  std::printf("%s\n", what.c_str());
  ++faults;
}

void CheckLabelSize(GtkWidget* label) {
  GtkAllocation given;
  gtk_widget_get_allocation(label, &given);
  // Preferred sizes count the margins; the allocation does not.
  const int marginX = gtk_widget_get_margin_start(label) + gtk_widget_get_margin_end(label);
  const int marginY = gtk_widget_get_margin_top(label) + gtk_widget_get_margin_bottom(label);
  int minWidth = 0, naturalWidth = 0, minHeight = 0, naturalHeight = 0;
  gtk_widget_get_preferred_width(label, &minWidth, &naturalWidth);
  gtk_widget_get_preferred_height_for_width(label, given.width + marginX, &minHeight,
                                            &naturalHeight);
  minWidth -= marginX;
  minHeight -= marginY;
  if (given.width < minWidth || given.height < minHeight) {
    Fault("cut: \"" + Name(label) + "\" has " + std::to_string(given.width) + "x" +
          std::to_string(given.height) + ", needs " + std::to_string(minWidth) + "x" +
          std::to_string(minHeight));
  }
}

struct Walk {
  GtkWidget* window;
  std::vector<Piece>& pieces;
  bool insideButton;  // a button's label is part of the button's piece
};

void Collect(GtkWidget* widget, Walk& walk);

void CollectChild(GtkWidget* child, gpointer walk) { Collect(child, *static_cast<Walk*>(walk)); }

// Buttons, labels and pictures are the pieces that must not overlap.
void Collect(GtkWidget* widget, Walk& walk) {
  if (!gtk_widget_get_visible(widget)) return;
  if (GTK_IS_LABEL(widget)) CheckLabelSize(widget);
  if (!walk.insideButton &&
      (GTK_IS_BUTTON(widget) || GTK_IS_LABEL(widget) || GTK_IS_IMAGE(widget))) {
    Piece piece{widget, {}};
    gtk_widget_translate_coordinates(widget, walk.window, 0, 0, &piece.box.x, &piece.box.y);
    piece.box.width = gtk_widget_get_allocated_width(widget);
    piece.box.height = gtk_widget_get_allocated_height(widget);
    walk.pieces.push_back(piece);
  }
  if (GTK_IS_CONTAINER(widget)) {
    Walk inside{walk.window, walk.pieces, walk.insideButton || GTK_IS_BUTTON(widget)};
    gtk_container_forall(GTK_CONTAINER(widget), CollectChild, &inside);
  }
}
}  // namespace

int main(int argc, char** argv) {
  gtk_init(&argc, &argv);
  vorn_dialog_register_resource();
  GtkCssProvider* style = gtk_css_provider_new();
  gtk_css_provider_load_from_resource(style,
                                      (std::string(kResources) + "config_dialog.css").c_str());
  gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(style),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  GtkBuilder* builder =
      gtk_builder_new_from_resource((std::string(kResources) + "config_dialog.ui").c_str());
  const auto label = [&](const char* id, const char* text) {
    gtk_label_set_text(GTK_LABEL(gtk_builder_get_object(builder, id)), text);
  };
  label("author", VORN_AUTHOR);
  label("email", VORN_EMAIL);
  label("homepage", VORN_HOMEPAGE);
  for (const char* picture : {"still", "logo"}) {
    gtk_image_set_from_resource(GTK_IMAGE(gtk_builder_get_object(builder, picture)),
                                (std::string(kResources) + picture + ".bmp").c_str());
  }
  GtkWidget* window = GTK_WIDGET(gtk_builder_get_object(builder, "dialog"));
  gtk_widget_show_all(window);
  while (!gtk_widget_get_mapped(window) || gtk_events_pending()) gtk_main_iteration();

  std::vector<Piece> pieces;
  Walk walk{window, pieces, false};
  Collect(window, walk);
  for (size_t i = 0; i < pieces.size(); ++i) {
    for (size_t j = i + 1; j < pieces.size(); ++j) {
      if (gdk_rectangle_intersect(&pieces[i].box, &pieces[j].box, nullptr)) {
        Fault("overlap: \"" + Name(pieces[i].widget) + "\" and \"" + Name(pieces[j].widget) + "\"");
      }
    }
  }
  std::printf("%zu pieces, window %dx%d, %d faults\n", pieces.size(),
              gtk_widget_get_allocated_width(window), gtk_widget_get_allocated_height(window),
              faults);
  gtk_widget_destroy(window);
  g_object_unref(builder);
  g_object_unref(style);
  return faults == 0 ? 0 : 1;
}
