#include "shell/linux/dialog/config_dialog.h"

#include <gdk/gdkkeysyms.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <cstdio>

#include "resources/credits.h"
#include "shell/config_choices.h"

// Registers the resources packed at build time; calling it also keeps them linked in.
extern "C" void vorn_dialog_register_resource();

namespace {
// Where the dialog's layout, style and pictures are compiled into the program.
std::string Resource(const char* name) { return std::string("/org/vorn/dialog/") + name; }
constexpr const char* kDetailButtons[] = {"detail_low", "detail_middle", "detail_high"};

struct Dialog {
  GtkBuilder* builder;
  GtkWindow* window;
  ScreenSaver& saver;
  IdleStart& idleStart;
  const SaveSettingsFunction& save;
};

GtkWidget* Widget(const Dialog& dialog, const char* id) {
  return GTK_WIDGET(gtk_builder_get_object(dialog.builder, id));
}

GtkToggleButton* Toggle(const Dialog& dialog, const char* id) {
  return GTK_TOGGLE_BUTTON(Widget(dialog, id));
}

void Show(const Dialog& dialog) {
  const ShownSettings shown = ShowSettings(dialog.saver);
  GtkToggleButton* box = Toggle(dialog, "mouse_control");
  gtk_toggle_button_set_active(box, shown.mouseControl == CheckState::kChecked);
  gtk_toggle_button_set_inconsistent(box, shown.mouseControl == CheckState::kUndecided);
  // No detail button shows as chosen for a stored value that matches none of them.
  const char* chosen = shown.detail >= 0 ? kDetailButtons[shown.detail] : "detail_none";
  gtk_toggle_button_set_active(Toggle(dialog, chosen), TRUE);
  gtk_toggle_button_set_active(Toggle(dialog, "idle_start"), dialog.idleStart.enabled);
  GtkSpinButton* minutes = GTK_SPIN_BUTTON(Widget(dialog, "idle_minutes"));
  gtk_spin_button_set_range(minutes, kFewestIdleMinutes, kMostIdleMinutes);
  gtk_spin_button_set_value(minutes, dialog.idleStart.minutes);
  // The time matters only while the box is ticked.
  g_object_bind_property(Widget(dialog, "idle_start"), "active", minutes, "sensitive",
                         G_BINDING_SYNC_CREATE);

  gtk_label_set_text(GTK_LABEL(Widget(dialog, "author")), VORN_AUTHOR);
  gtk_label_set_text(GTK_LABEL(Widget(dialog, "email")), VORN_EMAIL);
  gtk_label_set_text(GTK_LABEL(Widget(dialog, "homepage")), VORN_HOMEPAGE);
  gtk_image_set_from_resource(GTK_IMAGE(Widget(dialog, "still")), Resource("still.bmp").c_str());
  gtk_image_set_from_resource(GTK_IMAGE(Widget(dialog, "logo")), Resource("logo.bmp").c_str());
}

void ReportSaveFailure(const Dialog& dialog, const std::string& error) {
  GtkWidget* message = gtk_message_dialog_new(dialog.window, GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR,
                                              GTK_BUTTONS_OK, "The settings could not be saved.");
  gtk_message_dialog_format_secondary_text(GTK_MESSAGE_DIALOG(message), "%s", error.c_str());
  gtk_window_set_title(GTK_WINDOW(message), "Error");
  gtk_dialog_run(GTK_DIALOG(message));
  gtk_widget_destroy(message);
}

void Accept(const Dialog& dialog) {
  GtkToggleButton* box = Toggle(dialog, "mouse_control");
  const bool checked =
      gtk_toggle_button_get_active(box) && !gtk_toggle_button_get_inconsistent(box);
  int detail = -1;
  for (int button = 2; button >= 0; --button) {
    if (gtk_toggle_button_get_active(Toggle(dialog, kDetailButtons[button]))) detail = button;
  }
  StoreChoices(dialog.saver, checked, detail);
  GtkSpinButton* minutes = GTK_SPIN_BUTTON(Widget(dialog, "idle_minutes"));
  gtk_spin_button_update(minutes);  // a number typed but not yet taken
  dialog.idleStart.enabled = gtk_toggle_button_get_active(Toggle(dialog, "idle_start"));
  dialog.idleStart.minutes = gtk_spin_button_get_value_as_int(minutes);
  std::string error;
  if (!dialog.save(dialog.saver, dialog.idleStart, error)) ReportSaveFailure(dialog, error);
  gtk_main_quit();
}

void Open(const Dialog& dialog, const std::string& uri) {
  GError* error = nullptr;
  if (!gtk_show_uri_on_window(dialog.window, uri.c_str(), GDK_CURRENT_TIME, &error)) {
    std::fprintf(stderr, "vorn: cannot open %s: %s\n", uri.c_str(), error->message);
    g_error_free(error);
  }
}

std::string MailLink() {
  gchar* recipient = g_uri_escape_string(VORN_AUTHOR " <" VORN_EMAIL ">", "@", FALSE);
  std::string link = std::string("mailto:") + recipient;
  g_free(recipient);
  return link;
}

void OnOk(GtkButton*, gpointer data) { Accept(*static_cast<Dialog*>(data)); }
void OnCancel(GtkButton*, gpointer) { gtk_main_quit(); }
void OnVisitHomepage(GtkButton*, gpointer data) {
  Open(*static_cast<Dialog*>(data), VORN_HOMEPAGE);
}
void OnSendEmail(GtkButton*, gpointer data) { Open(*static_cast<Dialog*>(data), MailLink()); }

gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer) {
  gtk_main_quit();  // the close button stores nothing, like Cancel
  return TRUE;
}

// Enter is OK and Escape is Cancel, wherever the focus is.
gboolean OnKey(GtkWidget*, GdkEventKey* event, gpointer data) {
  switch (event->keyval) {
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter:
      Accept(*static_cast<Dialog*>(data));
      return TRUE;
    case GDK_KEY_Escape:
      gtk_main_quit();
      return TRUE;
    default:
      return FALSE;
  }
}

void UseStyle() {
  GtkCssProvider* style = gtk_css_provider_new();
  gtk_css_provider_load_from_resource(style, Resource("config_dialog.css").c_str());
  gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(style),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(style);
}

void BeTransientFor(GtkWindow* window, WindowHandleNumber owner) {
  GdkDisplay* display = gdk_display_get_default();
  if (owner == 0 || !GDK_IS_X11_DISPLAY(display)) return;
  GdkWindow* foreign = gdk_x11_window_foreign_new_for_display(display, static_cast<Window>(owner));
  if (foreign == nullptr) return;  // no such window: the dialog simply stands alone
  gtk_widget_realize(GTK_WIDGET(window));
  gdk_window_set_transient_for(gtk_widget_get_window(GTK_WIDGET(window)), foreign);
  g_object_unref(foreign);
}
}  // namespace

int RunConfigDialog(ScreenSaver& saver, IdleStart& idleStart, const SaveSettingsFunction& save,
                    WindowHandleNumber owner) {
  if (!gtk_init_check(nullptr, nullptr)) {
    std::fputs("vorn: cannot open the X display for the settings dialog\n", stderr);
    return 1;
  }
  vorn_dialog_register_resource();
  UseStyle();
  GtkBuilder* builder = gtk_builder_new_from_resource(Resource("config_dialog.ui").c_str());
  Dialog dialog{builder, GTK_WINDOW(gtk_builder_get_object(builder, "dialog")), saver, idleStart,
                save};
  Show(dialog);
  g_signal_connect(Widget(dialog, "ok"), "clicked", G_CALLBACK(OnOk), &dialog);
  g_signal_connect(Widget(dialog, "cancel"), "clicked", G_CALLBACK(OnCancel), nullptr);
  g_signal_connect(Widget(dialog, "visit_homepage"), "clicked", G_CALLBACK(OnVisitHomepage),
                   &dialog);
  g_signal_connect(Widget(dialog, "send_email"), "clicked", G_CALLBACK(OnSendEmail), &dialog);
  g_signal_connect(dialog.window, "delete-event", G_CALLBACK(OnDelete), nullptr);
  g_signal_connect(dialog.window, "key-press-event", G_CALLBACK(OnKey), &dialog);
  BeTransientFor(dialog.window, owner);
  gtk_widget_show_all(GTK_WIDGET(dialog.window));
  gtk_main();
  gtk_widget_destroy(GTK_WIDGET(dialog.window));
  g_object_unref(builder);
  return 0;
}
