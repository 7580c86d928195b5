namespace app_placeholder {}
